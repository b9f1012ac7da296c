// The customer-service window `TFrm_servers`.
#pragma once

#include <QDialog>

namespace orlenvo::app {

struct MakerInfo;

class TFrm_servers final : public QDialog {
    Q_OBJECT
public:
    explicit TFrm_servers(QWidget *parent = nullptr);
    explicit TFrm_servers(const MakerInfo &maker, QWidget *parent = nullptr);
};

}  // namespace orlenvo::app
