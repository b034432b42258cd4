#include "worksheet/result_record.h"

XLOPER ResultRecord{};

XLOPER* setResultNumber(double x) {
    ResultRecord.val.num = x;
    ResultRecord.xltype = xltypeNum;
    return &ResultRecord;
}
