// Resource ids of Tombolix2.scr.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC          (-1)
#endif

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
#define IDD_NEW_COLLECTION  144
#define IDD_SCHEDULE        151
#define IDD_SCHEDULE_RULE   152

// Controls of the Collections page
#define IDC_COLLECTION          1003
#define IDC_COPY                1016
#define IDC_NEW                 1060
#define IDC_DELETE              1061
#define IDC_AVAILABLE           1062
#define IDC_SELECTED            1063
#define IDC_LEVEL_VERY_HIGH     1064    // levels 0 to 4 in this order
#define IDC_LEVEL_HIGH          1065
#define IDC_LEVEL_MEDIUM        1066
#define IDC_LEVEL_LOW           1067
#define IDC_LEVEL_VERY_LOW      1068
#define IDC_DURATION            1069
#define IDC_MOVE_ALL_FORWARD    1070    // ">>"
#define IDC_MOVE_FORWARD        1071    // ">"
#define IDC_MOVE_BACK           1072    // "<"
#define IDC_MOVE_ALL_BACK       1073    // "<<"
#define IDC_MINUTES             1077
#define IDC_FREQUENCY           1078
#define IDC_DURATION_LABEL      1079
#define IDC_SETTINGS            1084
#define IDC_PREVIEW             1085
#define IDC_DURATION_SPIN       1086
#define IDC_CYCLE               1091
#define IDC_RANDOM              1092
#define IDC_MOVE_UP             1093
#define IDC_MOVE_DOWN           1094
#define IDC_HELP_PAGE           1099    // the Help button of every page

// Controls of the Folders page
#define IDC_FOLDER_LIST         1080
#define IDC_ADD_FOLDER          1081
#define IDC_REMOVE_FOLDER       1082
#define IDC_ALWAYS_SEARCHED     1083

// Controls of the Options page
#define IDC_BLANKER             1003    // the Collections page's combo box has the same id
#define IDC_SHOW_TOOLTIPS       1095
#define IDC_USE_BLANKER         1096
#define IDC_BLANKER_SPIN        1097
#define IDC_BLANKER_MINUTES     1098
#define IDC_PASSWORD_OVERRIDE   1100
#define IDC_SAVER_PER_MONITOR   1104
#define IDC_NO_IMMEDIATE_REPEAT 1105

// Controls of the Schedule page
#define IDC_FOLLOW_SCHEDULE     1110
#define IDC_SCHEDULE_RULES      1111
#define IDC_ADD_RULE            1112
#define IDC_EDIT_RULE           1113
#define IDC_REMOVE_RULE         1114
#define IDC_MOVE_RULE_UP        1115
#define IDC_MOVE_RULE_DOWN      1116
#define IDC_SCHEDULE_NOW        1117

// Controls of the rule dialog
#define IDC_RULE_COLLECTION     1120
#define IDC_RULE_FROM           1121
#define IDC_RULE_TO             1122
#define IDC_RULE_DAY1           1123    // to IDC_RULE_DAY1 + 6, in the order of the user's week

// Controls of the New dialog
#define IDC_NEW_NAME_LABEL      1074
#define IDC_NEW_NAME            1075

// Controls of the Uninstall page
#define IDC_UNINSTALL_STEP1     1100

// Controls of the Tray page
#define IDC_AUTO_START          1088    // on the page, never shown
#define IDC_USE_TRAY            1089

// Controls of the Information page
#define IDC_INFO_BODY           1000
#define IDC_INFO_HEADING        1057
#define IDC_SITE_LINK           1102
#define IDC_SUPPORT_LINK        1103
