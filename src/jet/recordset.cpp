#include "recordset.h"

#include "error.h"
#include "recordset_data.h"
#include "text.h"

namespace jet {

namespace {
const char* kNoCurrentRecord = "Não há registro atual.";
}

Recordset::Recordset() = default;

RecordsetData& Recordset::data() const {
    if (!d_ || !d_->open) throw Error("Operação inválida: o recordset está fechado.");
    return *d_;
}

bool Recordset::eof() const { return pos_ >= data().rows; }

void Recordset::moveFirst() {
    auto& d = data();
    if (d.rows == 0) throw Error(kNoCurrentRecord);
    pos_ = 0;
}

void Recordset::moveLast() {
    auto& d = data();
    if (d.rows == 0) throw Error(kNoCurrentRecord);
    pos_ = d.rows - 1;
}

void Recordset::moveNext() {
    if (pos_ >= data().rows) throw Error(kNoCurrentRecord);
    ++pos_;
}

int Recordset::recordCount() const { return data().rows; }

int Recordset::absolutePosition() const { return pos_ < data().rows ? pos_ : -1; }

int Recordset::fieldCount() const { return data().columns(); }

std::string Recordset::fieldName(int i) const {
    auto& d = data();
    if (i < 0 || i >= d.columns()) throw Error("O campo número " + std::to_string(i) + " não existe no recordset.");
    return d.names[i];
}

const Value& Recordset::field(int i) const {
    auto& d = data();
    if (i < 0 || i >= d.columns()) throw Error("O campo número " + std::to_string(i) + " não existe no recordset.");
    if (pos_ >= d.rows) throw Error(kNoCurrentRecord);
    return d.cell(pos_, i);
}

const Value& Recordset::value(int row, int i) const {
    auto& d = data();
    if (i < 0 || i >= d.columns()) throw Error("O campo número " + std::to_string(i) + " não existe no recordset.");
    if (row < 0 || row >= d.rows) throw Error(kNoCurrentRecord);
    return d.cell(row, i);
}

const Value& Recordset::field(const std::string& name) const {
    auto& d = data();
    int c = d.columnOf(name);
    if (c < 0) throw Error("O campo '" + name + "' não existe no recordset.");
    return field(c);
}

void Recordset::findFirst(const std::string& criterion) {
    auto& d = data();
    int row = findRow(d, criterion);
    noMatch_ = row < 0;
    if (row >= 0) pos_ = row;
}

bool Recordset::noMatch() const {
    data();  // an error on a closed recordset, as every other reading
    return noMatch_;
}

void Recordset::close() {
    auto& d = data();
    d.open = false;
}

bool Recordset::isOpen() const { return d_ && d_->open; }

int RecordsetData::columnOf(const std::string& name) {
    if (lastField >= 0 && name == lastFieldName) return lastField;
    // Programs also write a field's name in brackets ("[COD_AREA_NORVA]").
    std::string f = foldName(name.size() >= 2 && name.front() == '[' && name.back() == ']' ? name.substr(1, name.size() - 2) : name);
    for (int i = 0; i < columns(); ++i) {
        if (foldedNames[i] == f) {
            lastField = i;
            lastFieldName = name;
            return i;
        }
    }
    return -1;
}

}  // namespace jet
