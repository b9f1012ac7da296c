// The windows and operations each command reaches.
#include "app/windows/Dispatch.h"

#include "articles/windows/ImageInfo.h"
#include "articles/windows/UntNote.h"
#include "articles/windows/UntOnther.h"
#include "articles/windows/Untabt.h"
#include "calendar/windows/DateWin.h"
#include "calendar/windows/huangdao.h"
#include "numerology/windows/UntQQ.h"
#include "numerology/windows/UntWangm.h"
#include "numerology/windows/Unt_sjcs.h"
#include "numerology/windows/Untonteher.h"

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
    dispatcher.RegisterModalWindow("TFrm_SJcs", Make<numerology::TFrm_SJcs>());
    dispatcher.RegisterModalWindow("TFrm_NanNv", Make<articles::TFrm_NanNv>());
    // A day of the calendar opens its almanac through the command "黄道吉日".
    dispatcher.RegisterModalWindow("TFRM_Date", [&dispatcher](QWidget *parent) -> QDialog * {
        auto *calendar = new calendar::TFRM_Date(parent);
        calendar->openAlmanacWindow = [&dispatcher] {
            dispatcher.Run(CommandAction{ActionKind::AlmanacWindow, {}, 0});
            return dispatcher.AlmanacWindow();
        };
        return calendar;
    });
    dispatcher.createAlmanacWindow = [](QWidget *parent) -> QWidget * { return calendar::OpenAlmanacWindow(parent); };
    dispatcher.openArticle = articles::OpenArticle;
    dispatcher.openPictureArticle = articles::OpenPictureArticle;
    dispatcher.openOmenWindow = articles::OpenOmenWindow;
}

}  // namespace orlenvo::app
