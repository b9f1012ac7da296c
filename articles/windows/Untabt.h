// The gender prediction chart: three pictures on tabbed pages and a note on reading them.
#pragma once

#include <QDialog>
#include <QImage>

class QLabel;
class QTabWidget;

namespace orlenvo::articles {

// The chart pictures built into the program: 0 for mothers aged 18 to 31, 1 for 32 to 44,
// 2 for the passage. A null image when the picture cannot be decoded.
QImage ChartPicture(int index);

class TFrm_NanNv final : public QDialog {
    Q_OBJECT
public:
    explicit TFrm_NanNv(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();

    QTabWidget *RzPageControl1 = nullptr;
    QLabel *RzLabel1 = nullptr;
};

}  // namespace orlenvo::articles
