#include "wizard/pages/PageTable.h"

#include <array>
#include <cassert>

namespace quorvix {
namespace {

using S = Settings;

// Pages 6 and 7 share the Next name cmdWeiter7, pages 10 and 11 cmdWeiter11.
constexpr std::array<PageInfo, kPageCount> kPages = {{
    {"Spielername", "Nick Schritt: ( 1 von 11 )", "1. Nick",
     "cmdWeiter1", nullptr, &S::SpielernameDone},
    {"Connection", "Connection Schritt ( 2 von 11 )", "2. Connection",
     "cmdWeiter2", "cmdZurueck2", &S::ConnectionDone},
    {"Video", "Video Schritt ( 3 von 11 )", "3. Video",
     "cmdWeiter3", "cmdZurueck3", &S::VideoDone},
    {"Sound", "Sound Schritt ( 4 von 11 )", "4. Sound",
     "cmdWeiter4", "cmdZurueck4", &S::SoundDone},
    {"maus", "Maus Schritt ( 5 von 11 )", "5. Maus",
     "cmdWeiter5", "cmdZurueck5", &S::mausDone},
    {"Console", "Console Schritt ( 6 von 11 )", "6. Console",
     "cmdWeiter7", "cmdZurueck6", &S::ConsoleDone},
    {"Hud", "Hud Schritt ( 7 von 11 )", "7. Hud",
     "cmdWeiter7", "cmdZurueck7", &S::HudDone},
    {"Netgraph", "Netgraph Schritt ( 8 von 11 )", "8. Netgraph",
     "cmdWeiter8", "cmdZurueck8", &S::NetgraphDone},
    {"Violence", "Violence Schritt ( 9 von 11 )", "9. Violence",
     "cmdWeiter9", "cmdZurueck9", &S::ViolenceDone},
    {"Setinfo", "Setinfo Schritt ( 10 von 11 )", "10. Setinfo",
     "cmdWeiter11", "cmdZurueck10", &S::SetinfoDone},
    {"ex", "ex_ only 4 1337 h4xX0r$  ^^ Schritt ( 11 von 11 )", "11. ex_h4xX0r",
     "cmdWeiter11", "cmdZurueck11", nullptr},
}};

} // namespace

const PageInfo& pageInfo(int page)
{
    assert(page >= 1 && page <= kPageCount);
    return kPages[static_cast<std::size_t>(page - 1)];
}

} // namespace quorvix
