#pragma once
#include <string>

#include "connection.h"
#include "connection_cache.h"

namespace quelva {

// The survey's data file: the program folder followed by "/Quelva.mdb". Every connection the program opens
// goes through here, so that all of them read the same file and share one copy of it in memory.
class Banco {
public:
    explicit Banco(std::string pastaPrograma) : folder_(std::move(pastaPrograma)) {}

    std::string caminho() const;
    const std::string& pastaPrograma() const { return folder_; }

    // A connection of the operation's own (in Jet terms); cheap after the first one.
    jet::Connection abrir();

private:
    std::string folder_;
    jet::ConnectionCache cache_;
};

}  // namespace quelva
