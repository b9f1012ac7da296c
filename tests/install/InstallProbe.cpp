// Copied beside an installed program and started through a link in <prefix>/bin: reports the
// folder the program reads its knowledge files from, and runs one mobile-number reading there.
// Prints "folder <path>" and "reading <title>"; exits 0 when the title is the one the content
// gives for the number, 1 otherwise.
#include "data/KnowledgeDb.h"
#include "numerology/windows/Unt_sjcs.h"
#include "ui/Application.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTextStream>

#include <cstdio>

namespace {

// The title content/shouji.txt gives for key `key`.
QString ExpectedTitle(const QString &key)
{
    QFile file(QStringLiteral(ORLENVO_SOURCE_DIR "/content/shouji.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QTextStream in(&file);
    bool inRecord = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inRecord = line == QLatin1Char('[') + key + QLatin1Char(']');
        else if (inRecord && line.startsWith(QStringLiteral("title:")))
            return line.mid(6).trimmed();
    }
    return {};
}

}  // namespace

int main(int argc, char **argv)
{
    orlenvo::ui::Application app(argc, argv);
    std::printf("folder %s\n", orlenvo::ProgramFolder().c_str());

    orlenvo::numerology::TFrm_SJcs window;
    window.show();
    // The last four digits 0081 give key 81 mod 80 = 1.
    window.findChild<QLineEdit *>(QStringLiteral("edtmun"))->setText(QStringLiteral("13800000081"));
    window.RzBitBtn1Click();
    const QString title = window.findChild<QLabel *>(QStringLiteral("RzLabel10"))->text();
    std::printf("reading %s\n", qPrintable(title));

    const QString expected = ExpectedTitle(QStringLiteral("1"));
    return !expected.isEmpty() && title == expected ? 0 : 1;
}
