// Resource ids of Tombolix2.scr.
#pragma once

#define IDS_DESCRIPTION     1       // how Windows lists the screen-saver file
#define IDS_APP_TITLE       57344   // the framework's application title
#define IDS_TRAY_TIP        128

#define IDI_TRAY_ENABLED    128     // icon, tooltip string and menu share the id
#define IDI_TRAY_DISABLED   129

#define IDD_INFORMATION     100
#define IDD_COLLECTIONS     133
#define IDD_FOLDERS         145
#define IDD_TRAY            148
#define IDD_OPTIONS         149
#define IDD_UNINSTALL       150

#define IDC_HELP_BUTTON     1099    // the Help button of every page
#define IDC_UNINSTALL_STEP1 1100
