#pragma once
#define IDD_EXCHANGE        900
#define IDC_EXCHANGE_CHECK  901
#define IDC_EXCHANGE_TEXT   902
