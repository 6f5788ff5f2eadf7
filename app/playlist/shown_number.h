// Numbers inside shown texts. The designed texts print them bare (16385,
// 0.6); a translation shows them as its user's locale writes them (16,385 in
// English) by translating the one format below as "%L1".
#pragma once

#include <QCoreApplication>
#include <QString>

namespace shownnumber {

inline QString format()
{
    //: A number inside a shown text. "%L1" writes it as the user's locale does (digit grouping, decimal point).
    return QCoreApplication::translate("ShownNumber", "%1");
}

inline QString integer(qint64 value)
{
    return format().arg(value);
}

// With a fixed number of decimals: decimal(0.6, 1) is "0.6".
inline QString decimal(double value, int decimals)
{
    return format().arg(value, 0, 'f', decimals);
}

}  // namespace shownnumber
