#include "ui/KnowledgeDbLog.h"

#include "data/KnowledgeDb.h"

#include <QLoggingCategory>
#include <QString>

namespace orlenvo::ui {

namespace {

Q_LOGGING_CATEGORY(lcData, "orlenvo.data")

}  // namespace

void LogKnowledgeDbWarnings()
{
    SetKnowledgeDbWarning(
        [](const std::string &reason) { qCWarning(lcData).noquote() << QString::fromStdString(reason); });
}

}  // namespace orlenvo::ui
