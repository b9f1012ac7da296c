// The web browser's start page. The platform has no registry: a small INI store of our own
// holds the value "Start Page" of the key "Software\Microsoft\Internet Explorer\Main".
#pragma once

#include <QString>

namespace orlenvo::app {

class StartPageStore {
public:
    virtual ~StartPageStore() = default;
    // The start page, or an empty text when it cannot be read.
    virtual QString ReadStartPage() = 0;
    // Writes the start page; failures are ignored.
    virtual void WriteStartPage(const QString &text) = 0;
};

class IniStartPageStore final : public StartPageStore {
public:
    explicit IniStartPageStore(QString filePath);

    QString ReadStartPage() override;
    void WriteStartPage(const QString &text) override;

    const QString &FilePath() const { return filePath_; }

private:
    QString filePath_;
};

// The store file of the user: <config folder>/Orlenvo/StartPage.ini.
QString UserStartPageFile();

// The program's store, over UserStartPageFile().
StartPageStore &UserStartPageStore();

}  // namespace orlenvo::app
