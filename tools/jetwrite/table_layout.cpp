#include "table_layout.h"

namespace jetwrite {
namespace {

// The bytes a fixed-size value takes in the row; Yes/No takes none, its value being the row's null bit.
int fixedBytes(Type t) {
    switch (t) {
    case Type::YesNo: return 0;
    case Type::Byte: return 1;
    case Type::Integer: return 2;
    case Type::Long: case Type::Single: return 4;
    case Type::Double: case Type::Currency: case Type::DateTime: return 8;
    default: return -1;
    }
}

}  // namespace

int typeCode(Type t) {
    switch (t) {
    case Type::YesNo: return 0x01;
    case Type::Byte: return 0x02;
    case Type::Integer: return 0x03;
    case Type::Long: return 0x04;
    case Type::Currency: return 0x05;
    case Type::Single: return 0x06;
    case Type::Double: return 0x07;
    case Type::DateTime: return 0x08;
    case Type::Text: return 0x0A;
    case Type::LongBinary: return 0x0B;
    case Type::Memo: return 0x0C;
    }
    return 0;
}

TableLayout layoutOf(const Format& f, const Table& t) {
    TableLayout l;
    for (std::size_t i = 0; i < t.columns.size(); ++i) {
        const Column& c = t.columns[i];
        ColumnPlace p;
        p.number = static_cast<int>(i);
        const int size = fixedBytes(c.type);
        p.fixed = size >= 0;
        if (p.fixed) {
            p.fixedOffset = l.fixedSize;
            p.declaredLength = c.type == Type::YesNo ? 1 : size;
            l.fixedSize += size;
        } else {
            p.varIndex = l.varCount++;
            p.declaredLength = c.type == Type::Text ? c.length * (f.jet4() ? 2 : 1) : 0;
        }
        l.places.push_back(p);
    }
    return l;
}

}  // namespace jetwrite
