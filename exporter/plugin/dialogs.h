#pragma once
// The plug-in's two dialog resources and their procedures.
#include "exporter/host/window_system.h"

namespace korvathexp {

// Resource 102, the about box.
hostsdk::DialogTemplate AboutTemplate();
// Resource 105, the options dialog.
hostsdk::DialogTemplate OptionsTemplate();

// Window data: nothing; lParam of WM_INITDIALOG: the parent window to centre over.
hostsdk::INT_PTR AboutProc(hostsdk::DialogWindow& dialog, unsigned message, hostsdk::WPARAM wParam,
                           hostsdk::LPARAM lParam);
// lParam of WM_INITDIALOG: the KorvathExp, kept as window data until the dialog closes.
hostsdk::INT_PTR OptionsProc(hostsdk::DialogWindow& dialog, unsigned message, hostsdk::WPARAM wParam,
                             hostsdk::LPARAM lParam);

}  // namespace korvathexp
