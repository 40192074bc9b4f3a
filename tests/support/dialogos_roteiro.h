#pragma once
#include <gtest/gtest.h>

#include <QString>
#include <deque>
#include <vector>

#include "dialogos.h"

namespace testing_support {

// A dialogs service for tests: it records every message and save dialog instead of showing it, and answers
// from a script. Boxes with only an OK button need no answer; a question (Sim/Não) takes the next answer from
// the queue, and a save dialog the next file name and type (by default the type the dialog opened with). A question or save dialog with nothing left in its queue
// fails the test: the code under test asked something the test did not expect.
class DialogosRoteiro : public quelva::Dialogos {
public:
    struct Mensagem {
        QWidget* pai;
        QString texto;
        Icone icone;
        Botoes botoes;
        QString titulo;
        bool padraoNao;
    };
    struct Salvamento {
        QString titulo;
        QString nomeSugerido;
        QStringList filtros;
        QString filtroSelecionado;
    };

    void responder(Resposta reply) { answers_.push_back(reply); }
    // `filter` empty: the user leaves the type the dialog opened with.
    void escolherArquivo(const QString& name, const QString& filter = QString()) { files_.push_back({name, filter}); }

    const std::vector<Mensagem>& mensagens() const { return messages_; }
    const std::vector<Salvamento>& salvamentos() const { return saveDialogs_; }
    // Answers scripted but not yet asked for.
    std::size_t respostasRestantes() const { return answers_.size() + files_.size(); }

    Resposta mensagem(QWidget* pai, const QString& texto, Icone icone, Botoes botoes, const QString& titulo,
                      bool padraoNao = false) override {
        messages_.push_back({pai, texto, icone, botoes, titulo, padraoNao});
        if (botoes == Botoes::Ok) return Resposta::Ok;
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected question: " << texto.toStdString();
            return Resposta::Nao;
        }
        Resposta r = answers_.front();
        answers_.pop_front();
        return r;
    }

    SaveChoice salvarArquivo(QWidget*, const QString& titulo, const QString& nomeSugerido, const QStringList& filters,
                             const QString& selectedFilter) override {
        saveDialogs_.push_back({titulo, nomeSugerido, filters, selectedFilter});
        if (files_.empty()) {
            ADD_FAILURE() << "unexpected save dialog: " << titulo.toStdString();
            return {};
        }
        SaveChoice choice = files_.front();
        files_.pop_front();
        if (choice.filter.isEmpty()) choice.filter = selectedFilter;
        return choice;
    }

private:
    std::deque<Resposta> answers_;
    std::deque<SaveChoice> files_;
    std::vector<Mensagem> messages_;
    std::vector<Salvamento> saveDialogs_;
};

}  // namespace testing_support
