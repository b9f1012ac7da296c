#include "app/windows/EndMsg.h"

#include "app/windows/Links.h"
#include "app/windows/StartPage.h"
#include "core/Text.h"
#include "ui/Fonts.h"
#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/WindowSetup.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <memory>

namespace orlenvo::app {

TFrmMsG::TFrmMsG(StartPageStore &store, QString webDirectory, QWidget *parent)
    : QDialog(parent), store_(store), webDirectory_(std::move(webDirectory))
{
    // A title bar without system menu or buttons, at a fixed place on the screen.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(ui::Font(QStringLiteral("宋体"), ui::Pixels{12}));
    ui::SetUpWindow(this, {QStringLiteral("FrmMsG"), QStringLiteral("退出系统"), QSize(236, 101),
                           /*fixedSize=*/true, /*centred=*/false});
    move(500, 303);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(14, 12, 32, 32);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));

    Label1 = new QLabel(ui::Tr(QStringLiteral("您是否确定要退出系统？")), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(56, 14, 172, 16);

    CheckBox1 = new QCheckBox(ui::Tr(QStringLiteral("设2345万能网址大全为首页")), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(54, 38, 180, 18);
    CheckBox1->setChecked(true);

    Button1 = new QPushButton(ui::Tr(QStringLiteral("是(&Y)")), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(40, 68, 72, 23);
    Button1->setDefault(true);

    Button2 = new QPushButton(ui::Tr(QStringLiteral("否(&N)")), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(124, 68, 72, 23);

    connect(Button1, &QPushButton::clicked, this, ui::Guard(this, &TFrmMsG::Button1Click));
    connect(Button2, &QPushButton::clicked, this, ui::Guard(this, &TFrmMsG::Button2Click));

    if (ui::FromUtf8(Trim(ui::ToUtf8(store_.ReadStartPage()))) == webDirectory_) {
        CheckBox1->setChecked(false);
        CheckBox1->hide();
    }
}

void TFrmMsG::Button1Click()
{
    if (CheckBox1->isChecked() && !CheckBox1->isHidden())
        store_.WriteStartPage(webDirectory_);
    result_ = true;
    accept();
}

void TFrmMsG::Button2Click()
{
    result_ = false;
    reject();
}

bool ConfirmExit(const ServiceEnvironment &env, QWidget *parent)
{
    const auto prompt = std::make_unique<TFrmMsG>(env.StartPageOrUser(), env.maker.webDirectory.toString(), parent);
    prompt->exec();
    return prompt->Result();
}

}  // namespace orlenvo::app
