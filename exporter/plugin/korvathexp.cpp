// The exporter's answers to the host's questions.
#include "exporter/plugin/korvathexp.h"
#include "exporter/plugin/dialogs.h"
#include "exporter/plugin/export_rules.h"
#include "exporter/plugin/module.h"

namespace korvathexp {

using namespace hostsdk;

const char* KorvathExp::Ext(int n) { return n == 0 ? "3d" : ""; }
const char* KorvathExp::LongDesc() { return GetString(4); }
const char* KorvathExp::ShortDesc() { return GetString(5); }
const char* KorvathExp::AuthorName() { return "The Korvath Arena toolkit developers"; }
const char* KorvathExp::CopyrightMessage() { return GetString(6); }

void KorvathExp::ShowAbout(HWND parent) {
    if (!parent || !parent->windows) return;
    parent->windows->DialogBoxParam(AboutTemplate(), parent, AboutProc, reinterpret_cast<LPARAM>(parent));
}

void KorvathExp::ParseFrameRange(const char* text) { frames = FrameListFromText(text, startFrame, endFrame); }

unsigned char KorvathExp::PolygonTypeFromMaterial(INode* node, MtlID materialId) {
    const PolygonType result = PolygonTypeOf(node->GetMtl(), materialId);
    if (result.noMaterial) noMaterialWarning = true;
    if (result.textureNumber) textureNumber = *result.textureNumber;
    return result.type;
}

BOOL KorvathExp::SupportsOptions(int ext, DWORD options) {
    if (ext != 0) assert1(__LINE__, "korvathexp");
    return options == SCENE_EXPORT_SELECTED ? TRUE : FALSE;
}

}  // namespace korvathexp
