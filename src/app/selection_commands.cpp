// "Seleção": the selection saved to a `.quelva` file and opened again.
#include <QFile>
#include <QGroupBox>

#include "criteria_panel.h"
#include "dialogs.h"
#include "file_types.h"
#include "localities_panel.h"
#include "main_window.h"
#include "run_state.h"
#include "save_folder.h"
#include "save_questions.h"
#include "selection_file.h"
#include "survey_fingerprint.h"
#include "variable_list_pair.h"
#include "variables_panel.h"

namespace quelva {

namespace {

const SaveType kSelectionType[] = {{"Seleção do Quelva (*.quelva)", ".quelva"}};
const char* const kOpenTitle = "Abrir seleção";
const char* const kSaveTitle = "Salvar seleção";
const char* const kReplaceSelection = "A seleção atual será substituída.\nDeseja continuar?";
const char* const kNotASelection = "O arquivo %1 não é uma seleção do Quelva.";
const char* const kNewerVersion = "O arquivo %1 foi salvo por uma versão mais nova do Quelva.";
const char* const kOtherSurvey = "O arquivo %1 é uma seleção de outra pesquisa.";
const char* const kTooLarge = "O arquivo %1 é grande demais para ser uma seleção.";
const char* const kUnreadable = "Não foi possível ler o arquivo %1.\n%2";
const char* const kMixedFamilies = "A seleção do arquivo %1 mistura grupos RA/RG e DRADS.";
const char* const kLeftOut = "Códigos que esta pesquisa não tem ficaram de fora: %1.";

const char* failureMessage(SelectionFileFailure f) {
    switch (f) {
    case SelectionFileFailure::Unreadable: return kUnreadable;
    case SelectionFileFailure::TooLarge: return kTooLarge;
    case SelectionFileFailure::NewerVersion: return kNewerVersion;
    case SelectionFileFailure::OtherSurvey: return kOtherSurvey;
    case SelectionFileFailure::NotASelection:
    case SelectionFileFailure::None: break;
    }
    return kNotASelection;
}

QStringList selectedVariableCodes(const RunState& state) {
    QStringList codes;
    for (const SurveyVariable& v : state.variables.VetorVariavel())
        if (v.isSelected() && !v.CodVariavel.isNull()) codes << QString::fromStdString(v.CodVariavel.toText());
    return codes;
}

std::vector<int> selectedAreaCodes(const RunState& state) {
    std::vector<int> codes;
    for (int c = 0; c <= kMaxAreaCode; ++c)
        if (state.localities.isMarked(c)) codes.push_back(c);
    return codes;
}

bool mixesRegionFamilies(const std::vector<int>& codes) {
    LocalitySelection candidate;
    for (int c : codes) candidate.setMark(c, true);
    return candidate.mixesRegionFamilies();
}

}  // namespace

const QString& FrmQuelva::fingerprintOfSurvey() {
    if (surveyFingerprint_.isEmpty()) surveyFingerprint_ = surveyFingerprint(state_);
    return surveyFingerprint_;
}

bool FrmQuelva::hasSelection() const {
    return !selectedVariableCodes(state_).isEmpty() || !selectedAreaCodes(state_).empty() || !criteriaPanel->criteria().empty();
}

void FrmQuelva::saveSelection() {
    const QStringList filters = filtersOf(kSelectionType);
    const Dialogs::SaveChoice choice = dialogs_.saveFile(this, QString::fromUtf8(kSaveTitle),
                                                         firstSaveFolder(state_.session.database().programFolder()), filters, filters.front());
    if (choice.file.isEmpty()) return;
    const SavedSelection selection{state_.session.TituloResultado(), state_.session.SubTituloResultado(), fingerprintOfSurvey(),
                                   selectedVariableCodes(state_), selectedAreaCodes(state_), criteriaPanel->criteria()};
    saveWholeFile(dialogs_, this, chooseType(choice.file, choice.filter, kSelectionType).path,
                  [&] { return selectionFileBytes(selection); });
}

void FrmQuelva::openSelection() {
    if (hasSelection() && dialogs_.message(this, QString::fromUtf8(kReplaceSelection), Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo,
                                           QString::fromUtf8(kOpenTitle), true) != Dialogs::Answer::Yes)
        return;
    const QString file = dialogs_.openFile(this, QString::fromUtf8(kOpenTitle), firstSaveFolder(state_.session.database().programFolder()),
                                           filtersOf(kSelectionType));
    if (!file.isEmpty()) openSelectionFile(QFile::encodeName(file).toStdString());
}

void FrmQuelva::refuseSelectionFile(const char* message, const QString& file, const QString& reason) {
    QString text = QString::fromUtf8(message).arg(file);
    if (!reason.isEmpty()) text = text.arg(reason);
    dialogs_.message(this, text, Dialogs::Icon::Critical, Dialogs::Buttons::Ok, QString::fromUtf8(kOpenTitle));
}

void FrmQuelva::openSelectionFile(const std::string& path) {
    const QString file = QFile::decodeName(QByteArray::fromStdString(path));
    const SelectionFileRead read = readSelectionFile(path, fingerprintOfSurvey());
    if (read.failure != SelectionFileFailure::None) return refuseSelectionFile(failureMessage(read.failure), file, read.reason);
    const SavedSelection& s = read.selection;
    // The review panel lists no such selection: refused here, before anything changes.
    if (mixesRegionFamilies(s.areaCodes)) return refuseSelectionFile(kMixedFamilies, file);
    // The criteria are the one part whose values can still be refused; they go first, so that a refusal
    // leaves every part as it was.
    const std::optional<int> criteriaLeftOut = criteriaPanel->replaceCriteria(s.criteria);
    if (!criteriaLeftOut) return refuseSelectionFile(kNotASelection, file);
    const int leftOut =
        *criteriaLeftOut + variablesPanel->variableList().selectOnly(s.variables) + localitiesPanel->selectOnly(s.areaCodes);
    MostrarPainel(QString());
    MnuVerSelecoes_Click();
    if (leftOut > 0)
        dialogs_.message(this, QString::fromUtf8(kLeftOut).arg(leftOut), Dialogs::Icon::Information, Dialogs::Buttons::Ok,
                         QString::fromUtf8(kOpenTitle));
}

}  // namespace quelva
