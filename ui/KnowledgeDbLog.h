// Reports the knowledge databases' fallbacks (a Traditional copy missing) under orlenvo.data.
#pragma once

namespace orlenvo::ui {

// Sends the data layer's warnings to the logging category "orlenvo.data"; called once at start.
void LogKnowledgeDbWarnings();

}  // namespace orlenvo::ui
