#include "umlib/dderr.h"

#include "platform/ddraw.h"

#include <algorithm>
#include <iterator>

namespace umlib {

namespace {

struct dderr_entry_t {
    uint32_t code;
    const char* name;
};

constexpr uint32_t dd(uint32_t code) {
    return uint32_t(plat::make_ddhresult(code));
}

// In ascending order of the unsigned code; the general COM codes come first and keep DirectDraw's names.
constexpr dderr_entry_t dderr_table[] = {
    {0x00000000, "DD_OK"},
    {0x80004001, "DDERR_UNSUPPORTED"},
    {0x80004005, "DDERR_GENERIC"},
    {0x800401F0, "DDERR_NOTINITIALIZED"},
    {0x8007000E, "DDERR_OUTOFMEMORY"},
    {0x80070057, "DDERR_INVALIDPARAMS"},
    {dd(5), "DDERR_ALREADYINITIALIZED"},
    {dd(10), "DDERR_CANNOTATTACHSURFACE"},
    {dd(20), "DDERR_CANNOTDETACHSURFACE"},
    {dd(40), "DDERR_CURRENTLYNOTAVAIL"},
    {dd(55), "DDERR_EXCEPTION"},
    {dd(90), "DDERR_HEIGHTALIGN"},
    {dd(95), "DDERR_INCOMPATIBLEPRIMARY"},
    {dd(100), "DDERR_INVALIDCAPS"},
    {dd(110), "DDERR_INVALIDCLIPLIST"},
    {dd(120), "DDERR_INVALIDMODE"},
    {dd(130), "DDERR_INVALIDOBJECT"},
    {dd(145), "DDERR_INVALIDPIXELFORMAT"},
    {dd(150), "DDERR_INVALIDRECT"},
    {dd(160), "DDERR_LOCKEDSURFACES"},
    {dd(170), "DDERR_NO3D"},
    {dd(180), "DDERR_NOALPHAHW"},
    {dd(205), "DDERR_NOCLIPLIST"},
    {dd(210), "DDERR_NOCOLORCONVHW"},
    {dd(212), "DDERR_NOCOOPERATIVELEVELSET"},
    {dd(215), "DDERR_NOCOLORKEY"},
    {dd(220), "DDERR_NOCOLORKEYHW"},
    {dd(222), "DDERR_NODIRECTDRAWSUPPORT"},
    {dd(225), "DDERR_NOEXCLUSIVEMODE"},
    {dd(230), "DDERR_NOFLIPHW"},
    {dd(240), "DDERR_NOGDI"},
    {dd(250), "DDERR_NOMIRRORHW"},
    {dd(255), "DDERR_NOTFOUND"},
    {dd(260), "DDERR_NOOVERLAYHW"},
    {dd(280), "DDERR_NORASTEROPHW"},
    {dd(290), "DDERR_NOROTATIONHW"},
    {dd(310), "DDERR_NOSTRETCHHW"},
    {dd(316), "DDERR_NOT4BITCOLOR"},
    {dd(317), "DDERR_NOT4BITCOLORINDEX"},
    {dd(320), "DDERR_NOT8BITCOLOR"},
    {dd(330), "DDERR_NOTEXTUREHW"},
    {dd(335), "DDERR_NOVSYNCHW"},
    {dd(340), "DDERR_NOZBUFFERHW"},
    {dd(350), "DDERR_NOZOVERLAYHW"},
    {dd(360), "DDERR_OUTOFCAPS"},
    {dd(380), "DDERR_OUTOFVIDEOMEMORY"},
    {dd(382), "DDERR_OVERLAYCANTCLIP"},
    {dd(384), "DDERR_OVERLAYCOLORKEYONLYONEACTIVE"},
    {dd(387), "DDERR_PALETTEBUSY"},
    {dd(400), "DDERR_COLORKEYNOTSET"},
    {dd(410), "DDERR_SURFACEALREADYATTACHED"},
    {dd(420), "DDERR_SURFACEALREADYDEPENDENT"},
    {dd(430), "DDERR_SURFACEBUSY"},
    {dd(435), "DDERR_CANTLOCKSURFACE"},
    {dd(440), "DDERR_SURFACEISOBSCURED"},
    {dd(450), "DDERR_SURFACELOST"},
    {dd(460), "DDERR_SURFACENOTATTACHED"},
    {dd(470), "DDERR_TOOBIGHEIGHT"},
    {dd(480), "DDERR_TOOBIGSIZE"},
    {dd(490), "DDERR_TOOBIGWIDTH"},
    {dd(510), "DDERR_UNSUPPORTEDFORMAT"},
    {dd(520), "DDERR_UNSUPPORTEDMASK"},
    {dd(537), "DDERR_VERTICALBLANKINPROGRESS"},
    {dd(540), "DDERR_WASSTILLDRAWING"},
    {dd(560), "DDERR_XALIGN"},
    {dd(561), "DDERR_INVALIDDIRECTDRAWGUID"},
    {dd(562), "DDERR_DIRECTDRAWALREADYCREATED"},
    {dd(563), "DDERR_NODIRECTDRAWHW"},
    {dd(564), "DDERR_PRIMARYSURFACEALREADYEXISTS"},
    {dd(565), "DDERR_NOEMULATION"},
    {dd(566), "DDERR_REGIONTOOSMALL"},
    {dd(567), "DDERR_CLIPPERISUSINGHWND"},
    {dd(568), "DDERR_NOCLIPPERATTACHED"},
    {dd(569), "DDERR_NOHWND"},
    {dd(570), "DDERR_HWNDSUBCLASSED"},
    {dd(571), "DDERR_HWNDALREADYSET"},
    {dd(572), "DDERR_NOPALETTEATTACHED"},
    {dd(573), "DDERR_NOPALETTEHW"},
    {dd(574), "DDERR_BLTFASTCANTCLIP"},
    {dd(575), "DDERR_NOBLTHW"},
    {dd(576), "DDERR_NODDROPSHW"},
    {dd(577), "DDERR_OVERLAYNOTVISIBLE"},
    {dd(578), "DDERR_NOOVERLAYDEST"},
    {dd(579), "DDERR_INVALIDPOSITION"},
    {dd(580), "DDERR_NOTAOVERLAYSURFACE"},
    {dd(581), "DDERR_EXCLUSIVEMODEALREADYSET"},
    {dd(582), "DDERR_NOTFLIPPABLE"},
    {dd(583), "DDERR_CANTDUPLICATE"},
    {dd(584), "DDERR_NOTLOCKED"},
    {dd(585), "DDERR_CANTCREATEDC"},
    {dd(586), "DDERR_NODC"},
    {dd(587), "DDERR_WRONGMODE"},
    {dd(588), "DDERR_IMPLICITLYCREATED"},
    {dd(589), "DDERR_NOTPALETTIZED"},
    {dd(590), "DDERR_UNSUPPORTEDMODE"},
    {dd(591), "DDERR_NOMIPMAPHW"},
    {dd(592), "DDERR_INVALIDSURFACETYPE"},
    {dd(620), "DDERR_DCALREADYCREATED"},
    {dd(640), "DDERR_CANTPAGELOCK"},
    {dd(660), "DDERR_CANTPAGEUNLOCK"},
    {dd(680), "DDERR_NOTPAGELOCKED"},
};

constexpr bool ascending() {
    for (size_t i = 1; i < std::size(dderr_table); ++i) {
        if (dderr_table[i - 1].code >= dderr_table[i].code) {
            return false;
        }
    }
    return true;
}
static_assert(ascending(), "the table is searched by halving");

} // namespace

const char* dderr_name(plat::hresult_t code) {
    const auto key = uint32_t(code);
    const auto* end = std::end(dderr_table);
    const auto* found = std::lower_bound(std::begin(dderr_table), end, key,
                                         [](const dderr_entry_t& e, uint32_t k) { return e.code < k; });
    return found != end && found->code == key ? found->name : "Unknown Error";
}

} // namespace umlib
