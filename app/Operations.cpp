// The windows and operations each command reaches.
#include "app/Dispatch.h"

#include "calendar/DateWin.h"
#include "numerology/UntQQ.h"
#include "numerology/UntWangm.h"
#include "numerology/Untonteher.h"

namespace orlenvo::app {

namespace {

template <typename Window>
AppDispatcher::WindowFactory Make()
{
    return [](QWidget *parent) -> QDialog * { return new Window(parent); };
}

}  // namespace

void RegisterProgramOperations(AppDispatcher &dispatcher)
{
    dispatcher.RegisterModalWindow("TFrmQQhm", Make<numerology::TFrmQQhm>());
    dispatcher.RegisterModalWindow("TFrm_onther", Make<numerology::TFrm_onther>());
    dispatcher.RegisterModalWindow("TFrmWangming", Make<numerology::TFrmWangming>());
    dispatcher.RegisterModalWindow("TFRM_Date", Make<ui::TFRM_Date>());
}

}  // namespace orlenvo::app
