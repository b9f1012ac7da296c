// The About window `TAbout`.
#pragma once

#include <QDialog>

class QLabel;

namespace orlenvo::app {

struct MakerInfo;

class TAbout final : public QDialog {
    Q_OBJECT
public:
    explicit TAbout(QWidget *parent = nullptr);
    explicit TAbout(const MakerInfo &maker, QWidget *parent = nullptr);

private:
    QLabel *Image1;
    QLabel *Label1;  // product title
    QLabel *Label2;  // rights line
    QLabel *Label3;  // contact person
    QLabel *Label4;  // instant-messaging number
    QLabel *Label5;  // telephone
    QLabel *Label6;  // e-mail
};

}  // namespace orlenvo::app
