#include "mdb_import.h"

#include <sqlite3.h>

#include <algorithm>

#include "error.h"
#include "mdb_libmdb.h"
#include "mdb_sqlite_copy.h"
#include "mdb_warnings.h"
#include "text.h"

namespace jet {
namespace {

// The tables are only declared here, never sorted or compared: the engine's collation is registered where
// the copy is opened, and this process need not open a collator.
int unusedCollation(void*, int, const void*, int, const void*) { return 0; }

struct Handle {
    MdbHandle* mdb;
    ~Handle() { if (mdb) mdb_close(mdb); }
};

// A statement's name and a table's name are the same name when they differ only in case, as in Jet.
bool chosen(const TableChoice& tables, const std::vector<std::string>& foldedNames, const char* name) {
    return tables.all || std::find(foldedNames.begin(), foldedNames.end(), foldName(name)) != foldedNames.end();
}

}  // namespace

std::string importWithLibmdb(const std::string& path, const TableChoice& tables, const ImportBudget& budget) {
    WarningTrap warnings;
    Handle h{mdb_open(path.c_str(), MDB_NOFLAGS)};
    if (!h.mdb) throw Error("o arquivo não é um banco de dados do Access legível");
    // An Access 2007 or later file with a password is encrypted page by page with a key that only the password
    // gives, which libmdb does not do. A Jet 3 or Jet 4 file keeps its database password in its header alone
    // (or encodes its pages with a key it carries): libmdb reads those whatever the password.
    if (h.mdb->f->jet_version >= MDB_VER_ACCDB_2007 && h.mdb->f->db_key != 0)
        throw Error("o arquivo está criptografado com uma senha, e o Quelva não lê arquivos criptografados; abra-o "
                    "no Access com a senha e retire-a (Arquivo > Informações > Descriptografar Banco de Dados)");
    mdb_set_date_fmt(h.mdb, "%Y-%m-%d %H:%M:%S");
    mdb_set_shortdate_fmt(h.mdb, "%Y-%m-%d");
    mdb_set_boolean_fmt_numbers(h.mdb);
    if (!mdb_read_catalog(h.mdb, MDB_TABLE)) throw Error("o catálogo de tabelas do arquivo não pôde ser lido");
    if (std::string w = warnings.take(); !w.empty())
        throw Error("o arquivo está danificado: a leitura do catálogo de tabelas deu avisos\n" + w);

    std::vector<std::string> wanted;
    for (const std::string& n : tables.names) wanted.push_back(foldName(n));

    Sqlite out;
    if (sqlite3_open_v2(":memory:", &out.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        throw Error("memória insuficiente");
    sqlite3_create_collation(out.db, "JET", SQLITE_UTF8, nullptr, unusedCollation);
    out.exec("BEGIN");
    // Written even when no table is chosen, so that the copy is never empty: an importer that writes
    // nothing has failed.
    out.exec("PRAGMA user_version = 1");
    std::vector<LeftOutColumn> leftOut;
    Spending spent{budget, budget.fileBytes, budget.fileBytes / static_cast<std::uint64_t>(h.mdb->fmt->pg_size)};
    for (unsigned i = 0; i < h.mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(h.mdb->catalog, i));
        if (entry->object_type != MDB_TABLE || mdb_is_system_table(entry)) continue;
        if (!chosen(tables, wanted, entry->object_name)) continue;
        copyTable(h.mdb, entry, out, warnings, spent, leftOut);
    }
    writeLeftOut(out, leftOut);
    out.exec("COMMIT");

    sqlite3_int64 size = 0;
    unsigned char* bytes = sqlite3_serialize(out.db, "main", &size, 0);
    if (!bytes) throw Error("memória insuficiente");
    std::string result(reinterpret_cast<char*>(bytes), static_cast<std::size_t>(size));
    sqlite3_free(bytes);
    return result;
}

}  // namespace jet
