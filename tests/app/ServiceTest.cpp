// Service commands: the links, the upgrade note, the About and customer-service windows.
#include "app/windows/Dispatch.h"
#include "app/windows/Links.h"
#include "app/windows/MakerInfo.h"
#include "app/windows/Program.h"
#include "app/windows/Uabout.h"
#include "app/windows/Unt_Main.h"
#include "app/windows/Unt_servers.h"
#include "tests/support/Children.h"
#include "tests/support/Doubles.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/TopLevel.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace orlenvo;
using namespace orlenvo::app;
using namespace orlenvo::testing;

namespace {

QLabel *Label(QWidget *window, const char *name)
{
    return orlenvo::testing::Child<QLabel>(window, name);
}

bool Centred(QWidget *window)
{
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    return qAbs(window->geometry().center().x() - screen.center().x()) <= 1 &&
           qAbs(window->geometry().center().y() - screen.center().y()) <= 1;
}

bool SystemMenuOnly(QWidget *window)
{
    const Qt::WindowFlags flags = window->windowFlags();
    return (flags & Qt::WindowSystemMenuHint) && (flags & Qt::WindowCloseButtonHint) &&
           !(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint));
}

}  // namespace

class ServiceTest final : public QObject {
    Q_OBJECT

private slots:
    void makerAddressesAreReservedExamples();
    void linkCommands_data();
    void linkCommands();
    void upgradeNoteContactsNothing();
    void aboutWindow();
    void customerServiceWindow();
    void serviceWindowsOpenThroughTheModalPattern();
    void mainWindowButtonsAndLabelsOpenTheirLinks();
};

void ServiceTest::makerAddressesAreReservedExamples()
{
    const MakerInfo &maker = DefaultMakerInfo();
    // Hosts under the reserved top-level domain "example" never resolve.
    const auto reserved = [](const QString &host) { return host.endsWith(QStringLiteral(".example")); };
    for (const QUrl &url : {maker.server, maker.homePage, maker.webSite, maker.webDirectory, maker.productPage,
                            maker.chatServer, ChatLinkUrl(maker)})
        QVERIFY2(reserved(url.host()), qPrintable(url.toString()));
    QVERIFY2(reserved(maker.mailAddress.section(QLatin1Char('@'), 1)), qPrintable(maker.mailAddress));
}

void ServiceTest::linkCommands_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("url");
    const MakerInfo &maker = DefaultMakerInfo();
    QTest::newRow("home page") << int(ActionKind::HomePage) << maker.homePage.toString();
    QTest::newRow("mail") << int(ActionKind::MailLink) << QStringLiteral("mailto:kf@orlenvo.example");
    QTest::newRow("chat") << int(ActionKind::ChatLink)
                          << QStringLiteral("http://chat.orlenvo.example/msgrd?V=1&Uin=80001234&Site=????&Menu=yes");
    QTest::newRow("product") << int(ActionKind::ProductPage) << maker.productPage.toString();
}

void ServiceTest::linkCommands()
{
    QFETCH(int, kind);
    QFETCH(QString, url);
    QWidget owner;
    AppDispatcher d(&owner);
    RecordingLinks links;
    d.services.links = &links;
    d.Run(CommandAction{ActionKind(kind)});
    QCOMPARE(links.opened.size(), 1);
    QCOMPARE(links.opened[0].toString(), url);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void ServiceTest::upgradeNoteContactsNothing()
{
    QWidget owner;
    AppDispatcher d(&owner);
    RecordingLinks links;
    d.services.links = &links;
    orlenvo::testing::SeenBox seen;
    QVERIFY(orlenvo::testing::AnswerBoxOf(seen, [&] { d.Run(CommandAction{ActionKind::UpgradeNote}); }));
    QCOMPARE(seen.title, QStringLiteral("提示"));
    QCOMPARE(seen.text, QStringLiteral("感谢你的使用,软件是最新版无需升级!"));
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.buttons, 1);
    QVERIFY(links.opened.isEmpty());
}

void ServiceTest::aboutWindow()
{
    MakerInfo maker = DefaultMakerInfo();
    maker.contactPerson = QStringLiteral("测试者");
    maker.chatNumber = QStringLiteral("12345");
    maker.telephone = QStringLiteral("000-1111");
    maker.mailAddress = QStringLiteral("help@example.org");
    TAbout about(maker);
    QCOMPARE(about.windowTitle(), QStringLiteral("关于系统"));
    QCOMPARE(about.size(), QSize(321, 149));
    QVERIFY(SystemMenuOnly(&about));
    QVERIFY(!about.testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(Centred(&about));
    QVERIFY(about.findChildren<QPushButton *>().isEmpty());

    QLabel *picture = Label(&about, "Image1");
    QCOMPARE(picture->geometry(), QRect(0, 0, 153, 149));
    QVERIFY(!picture->pixmap().isNull());

    QLabel *title = Label(&about, "Label1");
    QCOMPARE(title->text(), QStringLiteral("Orlenvo"));
    QCOMPARE(title->font().family(), QStringLiteral("楷体_GB2312"));
    QCOMPARE(title->font().pixelSize(), 16);
    QVERIFY(title->font().bold());
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QLabel *rights = Label(&about, "Label2");
    QCOMPARE(rights->font().pixelSize(), 12);
    QVERIFY(rights->font().bold());
    QCOMPARE(rights->font().family(), QStringLiteral("楷体_GB2312"));
    QCOMPARE(rights->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(rights->text().contains(maker.companyName));

    const char *contacts[] = {"Label3", "Label4", "Label5", "Label6"};
    const QString values[] = {maker.contactPerson, maker.chatNumber, maker.telephone, maker.mailAddress};
    for (int i = 0; i < 4; ++i) {
        QLabel *line = Label(&about, contacts[i]);
        QVERIFY2(line->text().endsWith(values[i]), qPrintable(line->text()));
        QVERIFY(line->x() >= 153);
        // Every line fits the window.
        QVERIFY2(line->x() + line->fontMetrics().horizontalAdvance(line->text()) <= 321, qPrintable(line->text()));
    }
    TAbout program;  // with the maker's own details
    QVERIFY(ShowOnScreen(&program));
    QVERIFY(orlenvo::testing::SaveScreenshot(&program, "about"));
}

void ServiceTest::customerServiceWindow()
{
    TFrm_servers service;
    QCOMPARE(service.windowTitle(), QStringLiteral("客户服务"));
    QCOMPARE(service.size(), QSize(420, 273));
    QVERIFY(SystemMenuOnly(&service));
    QVERIFY(!service.testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(Centred(&service));
    QCOMPARE(service.palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(service.findChildren<QPushButton *>().isEmpty());

    const MakerInfo &maker = DefaultMakerInfo();
    const QString headings[] = {QStringLiteral("市场合作:"), QStringLiteral("服务电话：") + maker.telephone,
                                QStringLiteral("QQ在线支持：") + maker.chatNumber,
                                QStringLiteral("技术支持邮箱：") + maker.mailAddress};
    const QString sentences[] = {
        QString(),
        QStringLiteral("当您在使用产品的时候有任何问题、建议或疑问，欢迎您拨打热线电话。"),
        QStringLiteral("所有的业务咨询，我们都会于当日给您答复，所以如果您发贴后没有马上看到答复请您耐心等待，"
                       "稍后可以再来查看。"),
        QStringLiteral("当您在使用我们的软件过程中，有不明白或有别的问题时，您可以发送邮件到这里，"
                       "我们会尽快给您答复。"),
    };
    int lastY = -1;
    for (int i = 0; i < 4; ++i) {
        const auto named = [&](const char *prefix) {
            const QByteArray name = QByteArray(prefix) + QByteArray::number(i + 1);
            return Label(&service, name.constData());
        };
        QLabel *heading = named("Heading");
        QLabel *sentence = named("Sentence");
        QVERIFY(heading && sentence && named("Image"));
        QCOMPARE(heading->text(), headings[i]);
        QVERIFY(heading->font().bold());
        QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        if (!sentences[i].isEmpty())
            QCOMPARE(sentence->text(), sentences[i]);
        QVERIFY(heading->y() > lastY && sentence->y() > heading->y());
        lastY = sentence->y();
        // The sentence fits its place when wrapped.
        QVERIFY2(sentence->heightForWidth(sentence->width()) <= sentence->height(), qPrintable(sentence->text()));
        QVERIFY(sentence->geometry().bottom() < 273);
    }
    QVERIFY(!Label(&service, "Sentence1")->text().isEmpty());
    QVERIFY(ShowOnScreen(&service));
    QVERIFY(orlenvo::testing::SaveScreenshot(&service, "service"));
}

void ServiceTest::serviceWindowsOpenThroughTheModalPattern()
{
    QWidget owner;
    AppDispatcher d(&owner);
    const std::pair<ActionKind, std::string> windows[] = {
        {ActionKind::About, orlenvo::testing::WindowName<TAbout>()},
        {ActionKind::CustomerService, orlenvo::testing::WindowName<TFrm_servers>()}};
    for (const auto &[kind, className] : windows) {
        QString seenTitle;
        orlenvo::testing::WithNextModal([&](QWidget *modal) {
            seenTitle = modal->windowTitle();
            modal->close();
        });
        d.Run(CommandAction{kind});
        QPointer<QDialog> first = d.ModalWindow(className);
        QVERIFY2(first, className.c_str());
        QVERIFY(!first->isVisible());  // only hidden when closed
        QVERIFY(!seenTitle.isEmpty());

        orlenvo::testing::WithNextModal([](QWidget *modal) { modal->close(); });
        d.Run(CommandAction{kind});
        QVERIFY(first.isNull());  // the next use destroys it
        QVERIFY(d.ModalWindow(className));
    }
    QCOMPARE(d.ModalWindow(windows[0].second)->windowTitle(), QStringLiteral("关于系统"));
    QCOMPARE(d.ModalWindow(windows[1].second)->windowTitle(), QStringLiteral("客户服务"));
}

void ServiceTest::mainWindowButtonsAndLabelsOpenTheirLinks()
{
    LoopbackServer server;  // answers nothing: the banner stays off
    RecordingLinks links;
    MemoryStartPage startPage;
    ServiceEnvironment env;
    env.maker.server = server.Base();
    env.links = &links;
    env.startPage = &startPage;
    Program program(env);
    TFrmmain &w = program.mainWindow();  // the program with every operation bound
    QVERIFY(ShowOnScreen(&w));

    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("RzBitBtn3")), Qt::LeftButton);
    QTest::mouseClick(w.findChild<QLabel *>(QStringLiteral("StatusProduct")), Qt::LeftButton);
    QCOMPARE(links.opened, (QList<QUrl>{ChatLinkUrl(env.maker), env.maker.productPage}));

    // Every side-panel label opens its link or window the same way.
    links.opened.clear();
    for (QLabel *label : w.sidePanel()->findChildren<QLabel *>()) {
        if (!label->objectName().startsWith(QStringLiteral("SideLink")))
            continue;
        orlenvo::testing::WithModalIfAny([](QWidget *modal) { modal->close(); }, 500);
        QTest::mouseClick(label, Qt::LeftButton);
        QTest::qWait(600);
    }
    QVERIFY(links.opened.contains(env.maker.homePage));
    QVERIFY(links.opened.contains(MailLinkUrl(env.maker)));

    QString title;
    orlenvo::testing::WithNextModal([&](QWidget *modal) {
        title = modal->windowTitle();
        modal->close();
    });
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("RzBitBtn5")), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("客户服务"));
    orlenvo::testing::WithNextModal([&](QWidget *modal) {
        title = modal->windowTitle();
        modal->close();
    });
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("RzButton3")), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("关于系统"));
    QVERIFY(server.TotalRequests() >= 1);  // the banner asked the loopback server only
}

ORLENVO_QTEST_MAIN(ServiceTest)
#include "ServiceTest.moc"
