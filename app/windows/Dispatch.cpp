#include "app/windows/Dispatch.h"

#include "app/windows/Uabout.h"
#include "app/windows/Unt_servers.h"
#include "ui/Messages.h"

#include <QApplication>

namespace orlenvo::app {

void OpenModalWindow(QPointer<QDialog> &ref, const std::function<QDialog *()> &create)
{
    if (ref)
        delete ref.data();
    ref = create();
    if (!ref)
        return;
    ref->setWindowModality(Qt::ApplicationModal);
    // exec() copes with a window that deletes itself on close.
    ref->exec();
}

AppDispatcher::AppDispatcher(QWidget *mainWindow) : mainWindow_(mainWindow)
{
    endProgram = [] { QApplication::quit(); };
}

void AppDispatcher::RegisterModalWindow(const std::string &className, WindowFactory create)
{
    factories_[className] = std::move(create);
}

QDialog *AppDispatcher::ModalWindow(const std::string &className) const
{
    const auto it = modal_.find(className);
    return it == modal_.end() ? nullptr : it->second.data();
}

bool AppDispatcher::Resolves(const CommandAction &action) const
{
    switch (action.kind) {
    case ActionKind::Submenu:
    case ActionKind::None: return false;
    case ActionKind::Article: return static_cast<bool>(openArticle);
    case ActionKind::PictureArticle: return static_cast<bool>(openPictureArticle);
    case ActionKind::Omen: return static_cast<bool>(openOmenWindow);
    case ActionKind::ModalWindow: return factories_.count(action.text) > 0;
    case ActionKind::AlmanacWindow: return static_cast<bool>(createAlmanacWindow);
    case ActionKind::EndProgram: return static_cast<bool>(endProgram);
    default: return true;
    }
}

void AppDispatcher::OpenModal(const std::string &className)
{
    const auto factory = factories_.find(className);
    if (factory == factories_.end())
        return;
    OpenModalWindow(modal_[className], [&] { return factory->second(mainWindow_); });
}

namespace {

template <typename Fn, typename... Args>
void CallIfSet(const Fn &fn, Args &&...args)
{
    if (fn)
        fn(std::forward<Args>(args)...);
}

}  // namespace

void AppDispatcher::Run(const CommandAction &action)
{
    switch (action.kind) {
    case ActionKind::Submenu:
    case ActionKind::None: break;
    case ActionKind::EndProgram: CallIfSet(endProgram); break;
    case ActionKind::Article: CallIfSet(openArticle, action.text, mainWindow_); break;
    case ActionKind::PictureArticle:
        CallIfSet(openPictureArticle, action.number, QString::fromStdString(action.text), mainWindow_);
        break;
    case ActionKind::Omen:
        CallIfSet(openOmenWindow, QString::fromStdString(action.text), action.number, mainWindow_);
        break;
    case ActionKind::ModalWindow: OpenModal(action.text); break;
    case ActionKind::AlmanacWindow:
        if (createAlmanacWindow) {
            // Each use adds a window; the previous one stays open on its own.
            almanac_ = createAlmanacWindow(mainWindow_);
            if (almanac_)
                almanac_->show();
        }
        break;
    case ActionKind::CustomerService:
        OpenModalWindow(modal_["TFrm_servers"], [&] { return new TFrm_servers(services.maker, mainWindow_); });
        break;
    case ActionKind::About:
        OpenModalWindow(modal_["TAbout"], [&] { return new TAbout(services.maker, mainWindow_); });
        break;
    case ActionKind::MailLink: OpenMailLink(services); break;
    case ActionKind::ChatLink: OpenChatLink(services); break;
    case ActionKind::HomePage: OpenHomePage(services); break;
    case ActionKind::ProductPage: OpenProductPage(services); break;
    case ActionKind::UpgradeNote: ui::ShowInformation(QStringLiteral("感谢你的使用,软件是最新版无需升级!")); break;
    }
}

}  // namespace orlenvo::app
