#include "validation.h"

#include <algorithm>
#include <set>

#include "text.h"
#include "text_encoding.h"

namespace jetwrite {
namespace {

constexpr std::size_t kMaxColumns = 255;
constexpr std::size_t kMaxNameLength = 64;

[[noreturn]] void refuse(const std::string& where, const std::string& why) { throw WriteError(where + ": " + why); }

void checkName(const std::string& name, const std::string& where) {
    const std::u16string n = utf16(name, where);
    if (n.empty()) refuse(where, "nome vazio");
    if (n.size() > kMaxNameLength) refuse(where, "nome com mais de 64 caracteres");
    if (n.front() == u' ') refuse(where, "nome começado por espaço");
    for (char16_t c : n)
        if (c < 0x20 || c == u'.' || c == u'!' || c == u'`' || c == u'[' || c == u']')
            refuse(where, "o Jet não aceita o caractere \"" + std::string(1, static_cast<char>(c < 0x20 ? '?' : c)) + "\" num nome");
}

bool inRange(std::int64_t v, Type t) {
    switch (t) {
    case Type::Byte: return v >= 0 && v <= 255;
    case Type::Integer: return v >= -32768 && v <= 32767;
    case Type::Long: return v >= INT32_MIN && v <= INT32_MAX;
    default: return true;
    }
}

void checkValue(const Format& f, const Column& c, const Value& v, const std::string& where) {
    if (std::holds_alternative<std::monostate>(v)) {
        if (c.type == Type::YesNo) refuse(where, "Sim/Não não guarda Null");
        return;
    }
    bool ok = false;
    switch (c.type) {
    case Type::Byte: case Type::Integer: case Type::Long:
        ok = std::holds_alternative<std::int64_t>(v) && inRange(std::get<std::int64_t>(v), c.type);
        if (!ok && std::holds_alternative<std::int64_t>(v)) refuse(where, "número fora do intervalo do tipo");
        break;
    case Type::Single: case Type::Double:
        ok = std::holds_alternative<double>(v) || std::holds_alternative<std::int64_t>(v);
        break;
    case Type::Currency: ok = std::holds_alternative<Currency>(v); break;
    case Type::DateTime: ok = std::holds_alternative<Date>(v); break;
    case Type::YesNo: ok = std::holds_alternative<bool>(v); break;
    case Type::Text: case Type::Memo: ok = std::holds_alternative<std::string>(v); break;
    case Type::LongBinary: refuse(where, "um Objeto OLE só pode ser Null");
    }
    if (!ok) refuse(where, "valor de outro tipo que o da coluna");
    if (c.type == Type::Text) {
        const std::u16string text = utf16(std::get<std::string>(v), where);
        if (text.size() > static_cast<std::size_t>(c.length))
            refuse(where, "texto de " + std::to_string(text.size()) + " caracteres numa coluna de " + std::to_string(c.length));
        if (!f.jet4()) storedText(f, text, false, where);
    } else if (c.type == Type::Memo && !f.jet4()) {
        storedText(f, utf16(std::get<std::string>(v), where), false, where);
    }
}

void checkColumns(const Format& f, const Table& t) {
    if (t.columns.empty()) refuse(place(t), "tabela sem colunas");
    if (t.columns.size() > kMaxColumns)
        refuse(place(t), std::to_string(t.columns.size()) + " colunas, mais que as 255 que o Jet aceita");
    std::set<std::string> seen;
    for (const auto& c : t.columns) {
        const std::string where = place(t, &c);
        checkName(c.name, where);
        storedName(f, c.name, where);
        if (!seen.insert(jet::foldName(c.name)).second) refuse(where, "nome de coluna repetido");
        if (c.type == Type::Text && (c.length < 1 || c.length > 255)) refuse(where, "um Texto tem de 1 a 255 caracteres");
    }
}

}  // namespace

std::string place(const Table& t, const Column* c) {
    std::string s = "a tabela '" + t.name + "'";
    return c ? s + ", coluna '" + c->name + "'" : s;
}

void checkJumpTable(const Format& f, const Table& t, std::size_t r, const TableLayout& layout, const Bytes& row) {
    if (f.jet4() || layout.varCount < 255) return;
    const std::size_t mask = (layout.places.size() + 7) / 8;
    const std::size_t jumps = (row.size() - 1) / 256;
    const std::size_t dataEnd = row.size() - mask - 1 - jumps - (static_cast<std::size_t>(layout.varCount) + 1);
    const auto last = std::find_if(layout.places.begin(), layout.places.end(),
                                   [&](const ColumnPlace& p) { return !p.fixed && p.varIndex == layout.varCount - 1; });
    const auto i = static_cast<std::size_t>(last - layout.places.begin());
    const bool held = row[row.size() - mask + i / 8] >> (i % 8) & 1;
    if (jumps - dataEnd / 256 < 2 || !held) return;
    refuse(place(t, &t.columns[i]) + ", linha " + std::to_string(r + 1),
           "com 255 colunas de tamanho variável, " + std::to_string(dataEnd) +
               " bytes de dados deixam duas entradas vazias na tabela de saltos do Jet 3 e os leitores leriam este valor "
               "256 bytes mais longo; deixe-o Null, ou encurte ou alongue um valor da linha");
}

void validate(const Format& f, const std::vector<Table>& tables) {
    std::set<std::string> names;
    for (const auto& t : tables) {
        checkName(t.name, place(t));
        storedName(f, t.name, place(t));
        if (!names.insert(jet::foldName(t.name)).second) refuse(place(t), "nome de tabela repetido");
        checkColumns(f, t);
        for (std::size_t r = 0; r < t.rows.size(); ++r) {
            const Row& row = t.rows[r];
            if (row.size() != t.columns.size())
                refuse(place(t), "a linha " + std::to_string(r + 1) + " tem " + std::to_string(row.size()) + " valores para " +
                                     std::to_string(t.columns.size()) + " colunas");
            for (std::size_t i = 0; i < row.size(); ++i)
                checkValue(f, t.columns[i], row[i], place(t, &t.columns[i]) + ", linha " + std::to_string(r + 1));
        }
    }
}

}  // namespace jetwrite
