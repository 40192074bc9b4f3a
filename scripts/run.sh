#!/usr/bin/env bash
# `make run`: opens Quelva on the sample survey built beside the program.
set -euo pipefail
build=${1:-build}
bin="$build/bin"
if [ -x "$bin/quelva" ]; then
  exec "$bin/quelva"
fi
# Until the main window is built, show that the engine reads the sample survey.
echo "A janela principal do Quelva ainda não foi construída; por ora, o motor de dados sobre a amostra:"
if [ -f "$bin/Quelva.mdb" ]; then
  "$bin/quelva-sql" "$bin/Quelva.mdb" "Select CodTema, NomeTema From CD_TEMA Order By CodTema"
else
  "$bin/quelva-sql" "../shared/testdata/nwind.mdb" "Select CategoryID, CategoryName From Categories Order By CategoryName"
fi
