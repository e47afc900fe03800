#include "exporter/plugin/dialogs.h"
#include "exporter/plugin/export_rules.h"

#include "exporter/plugin/korvathexp.h"

namespace korvathexp {

using namespace hostsdk;

namespace {

// Both dialogs: a modal frame with a system menu, in MS Sans Serif 8.
DialogTemplate ModalDialog(int id, const char* caption, int width, int height) {
    DialogTemplate d;
    d.resourceId = id;
    d.caption = caption;
    d.width = width;
    d.height = height;
    d.style = DS_MODALFRAME | WS_CAPTION | WS_SYSMENU;
    d.fontName = "MS Sans Serif";
    d.fontSize = 8;
    return d;
}

}  // namespace

DialogTemplate AboutTemplate() {
    DialogTemplate d = ModalDialog(IDD_ABOUT, "About Korvath Export", 172, 76);
    d.controls = {
        {ControlKind::GroupBox, -1, 7, 7, 158, 44, "", 0},
        {ControlKind::Label, -1, 10, 13, 151, 36,
         "Korvath File Exporter v1.0 (3D Studio Max 3)\nWrites .3d meshes for Korvath Arena\n"
         "by the Korvath Arena toolkit developers",
         SS_CENTER},
        {ControlKind::DefaultPushButton, IDOK, 60, 55, 50, 14, "OK", 0},
    };
    return d;
}

DialogTemplate OptionsTemplate() {
    DialogTemplate d = ModalDialog(IDD_PANEL, "Korvath Exporter v1", 168, 119);
    d.controls = {
        {ControlKind::Label, -1, 8, 8, 91, 8, "Frame Range: (ie: 1-5,10,15)", 0},
        {ControlKind::EditBox, IDC_FRAMERANGE, 7, 17, 92, 12, "", ES_AUTOHSCROLL},
        {ControlKind::CheckBox, IDC_APPEND, 7, 34, 76, 10, "Append animations", 0},
        {ControlKind::Label, -1, 7, 78, 154, 25,
         "Notes:\nExcludes: '!' , 'bip', 'link' and 'bone' name prefixes.", 0},
        {ControlKind::DefaultPushButton, IDOK, 111, 7, 50, 14, "OK", 0},
        {ControlKind::PushButton, IDCANCEL, 111, 24, 50, 14, "Cancel", 0},
    };
    return d;
}

INT_PTR AboutProc(DialogWindow& dialog, unsigned message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        dialog.CenterWindow(reinterpret_cast<HWND>(lParam));
        return TRUE;
    case WM_COMMAND:
        // OK closes it; so do Escape and the close box, as users expect of an about box.
        if ((wParam & 0xFFFF) == IDOK || (wParam & 0xFFFF) == IDCANCEL) {
            dialog.EndDialog((wParam & 0xFFFF) == IDOK ? 1 : 0);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        dialog.EndDialog(0);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR OptionsProc(DialogWindow& dialog, unsigned message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        dialog.SetWindowData(lParam);
        auto* exp = reinterpret_cast<KorvathExp*>(lParam);
        dialog.CenterWindow(exp && exp->ip ? exp->ip->GetMAXHWnd() : nullptr);
        return TRUE;
    }
    case WM_COMMAND: {
        auto* exp = reinterpret_cast<KorvathExp*>(dialog.GetWindowData());
        const int id = static_cast<int>(wParam & 0xFFFF);
        if (id == IDOK && exp) {
            char text[kFrameRangeTextLimit + 1] = {};
            dialog.GetDlgItemText(IDC_FRAMERANGE, text, sizeof text);
            exp->ParseFrameRange(text);
            exp->append = dialog.IsDlgButtonChecked(IDC_APPEND) == 1;
            dialog.EndDialog(1);
            return TRUE;
        }
        if (id == IDCANCEL) {
            dialog.EndDialog(0);
            return TRUE;
        }
        return FALSE;
    }
    case WM_CLOSE:
        dialog.EndDialog(0);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace korvathexp
