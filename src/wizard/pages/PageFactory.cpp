#include "wizard/pages/PageFactory.h"

#include "wizard/pages/NickPage.h"
#include "wizard/pages/ConnectionPage.h"
#include "wizard/pages/VideoPage.h"
#include "wizard/pages/SoundPage.h"
#include "wizard/pages/MousePage.h"
#include "wizard/pages/ConsolePage.h"
#include "wizard/pages/HudPage.h"
#include "wizard/pages/NetgraphPage.h"
#include "wizard/pages/ViolencePage.h"
#include "wizard/pages/SetinfoPage.h"
#include "wizard/pages/FinalPage.h"

namespace quorvix {

WizardPage* createWizardPage(int page, Settings& settings, Wizard& wizard,
                             UserDialogs& dialogs, QWidget* parent)
{
    switch (page) {
    case 1: return new NickPage(settings, wizard, dialogs, parent);
    case 2: return new ConnectionPage(settings, wizard, dialogs, parent);
    case 3: return new VideoPage(settings, wizard, dialogs, parent);
    case 4: return new SoundPage(settings, wizard, dialogs, parent);
    case 5: return new MousePage(settings, wizard, dialogs, parent);
    case 6: return new ConsolePage(settings, wizard, dialogs, parent);
    case 7: return new HudPage(settings, wizard, dialogs, parent);
    case 8: return new NetgraphPage(settings, wizard, dialogs, parent);
    case 9: return new ViolencePage(settings, wizard, dialogs, parent);
    case 10: return new SetinfoPage(settings, wizard, dialogs, parent);
    case 11: return new FinalPage(settings, wizard, dialogs, parent);
    default: return nullptr;
    }
}

} // namespace quorvix
