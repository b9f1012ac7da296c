// The windows and operations each command reaches.
#include "app/Dispatch.h"

#include "articles/ImageInfo.h"
#include "articles/UntNote.h"
#include "articles/UntOnther.h"
#include "articles/Untabt.h"
#include "calendar/DateWin.h"
#include "calendar/huangdao.h"
#include "numerology/UntQQ.h"
#include "numerology/UntWangm.h"
#include "numerology/Unt_sjcs.h"
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
    dispatcher.RegisterModalWindow("TFrm_SJcs", Make<numerology::TFrm_SJcs>());
    dispatcher.RegisterModalWindow("TFrm_NanNv", Make<articles::TFrm_NanNv>());
    dispatcher.RegisterModalWindow("TFRM_Date", Make<ui::TFRM_Date>());
    dispatcher.createAlmanacWindow = [](QWidget *parent) -> QWidget * { return ui::OpenAlmanacWindow(parent); };
    dispatcher.openArticle = articles::OpenArticle;
    dispatcher.openPictureArticle = articles::OpenPictureArticle;
    dispatcher.openOmenWindow = articles::OpenOmenWindow;
}

}  // namespace orlenvo::app
