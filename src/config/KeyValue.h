#pragma once

#include <QVariant>

// The numbered settings of the keyvalue table that this system reads and writes.
enum TSettingKey : int {
    skFeedbackPrompt = 0,       // Vbool: the feedback form when the program exits
    skDailyTipPrompt = 1,       // Vbool: the tip of the day at start-up
    skGetStartPrompt = 2,       // Vbool: kept, not used
    skPickerShowClasses = 3,    // Vbool: goods picker "显示货品类别"
    skPickerShowInfo = 4,       // Vbool: goods picker "显示参考信息"
    skPickerSearchItem = 5,     // Vint: goods picker, the selected search item
    skQtyDecimals = 6,          // Value: decimal places of quantities (0 to 100)
    skPriceDecimals = 7,        // Value: decimal places of prices (0 to 100)
    skPickerAutoHide = 9,       // Vbool: document pickers "自动隐藏"
    skLastDistrict = 24,        // Vint: last sales district
    skLastWareClass = 36,       // Vint: last goods category of the category editor
    skLabels = 37,              // Vstr: label definitions
};

// Settings kept in the generic Value column (the decimal places).
class TKeyValue
{
public:
    // Null when the key has no row.
    static QVariant GetValue(int key);
    // The value as an integer; the default when it is null or no integer.
    static int GetIntDef(int key, int defaultValue);
    static void SetValue(int key, const QVariant &value);
};
