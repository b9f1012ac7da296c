// Dispatch: what choosing a command does.
#pragma once

#include "app/CommandTable.h"
#include "app/windows/Links.h"

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <string>

namespace orlenvo::app {

// Receives the action of every chosen command, bottom-bar button and status-bar link.
class Dispatcher {
public:
    virtual ~Dispatcher() = default;
    virtual void Run(const CommandAction &action) = 0;
};

// Opens a modal tool window: destroys the window of an earlier use still held in `ref`,
// creates a new one, stores it in `ref` and shows it modally. Windows that release themselves
// on close (WA_DeleteOnClose) clear `ref` as they go; the others stay held, hidden, until the
// next use destroys them.
void OpenModalWindow(QPointer<QDialog> &ref, const std::function<QDialog *()> &create);

// The program's dispatcher: maps each action kind to its operation.
class AppDispatcher final : public Dispatcher {
public:
    using WindowFactory = std::function<QDialog *(QWidget *parent)>;
    using WidgetFactory = std::function<QWidget *(QWidget *parent)>;

    // `mainWindow`: the owner of the windows the operations open; it may be set later.
    explicit AppDispatcher(QWidget *mainWindow = nullptr);
    void SetMainWindow(QWidget *mainWindow) { mainWindow_ = mainWindow; }

    void Run(const CommandAction &action) override;

    // Modal windows by class name ("TFrm_SJcs", "TAbout", ...).
    void RegisterModalWindow(const std::string &className, WindowFactory create);
    QDialog *ModalWindow(const std::string &className) const;

    // Whether the action reaches an operation (a command without action reaches none).
    bool Resolves(const CommandAction &action) const;

    // Operations of the non-blocking windows and the service commands.
    std::function<void(const std::string &id, QWidget *parent)> openArticle;
    std::function<void(int number, const QString &caption, QWidget *parent)> openPictureArticle;
    std::function<void(const QString &title, int page, QWidget *parent)> openOmenWindow;
    WidgetFactory createAlmanacWindow;
    // The maker's addresses, the URL handler and the start-page store of the service commands.
    ServiceEnvironment services;
    std::function<void()> endProgram;

    QWidget *AlmanacWindow() const { return almanac_; }

private:
    void OpenModal(const std::string &className);

    QWidget *mainWindow_;
    std::map<std::string, WindowFactory> factories_;
    std::map<std::string, QPointer<QDialog>> modal_;
    QPointer<QWidget> almanac_;
};

// Binds every window and operation of the program to the dispatcher.
void RegisterProgramOperations(AppDispatcher &dispatcher);

}  // namespace orlenvo::app
