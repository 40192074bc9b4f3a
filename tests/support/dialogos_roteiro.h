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

    void responder(Resposta resposta) { respostas_.push_back(resposta); }
    // `filtro` empty: the user leaves the type the dialog opened with.
    void escolherArquivo(const QString& nome, const QString& filtro = QString()) { arquivos_.push_back({nome, filtro}); }

    const std::vector<Mensagem>& mensagens() const { return mensagens_; }
    const std::vector<Salvamento>& salvamentos() const { return salvamentos_; }
    // Answers scripted but not yet asked for.
    std::size_t respostasRestantes() const { return respostas_.size() + arquivos_.size(); }

    Resposta mensagem(QWidget* pai, const QString& texto, Icone icone, Botoes botoes, const QString& titulo,
                      bool padraoNao = false) override {
        mensagens_.push_back({pai, texto, icone, botoes, titulo, padraoNao});
        if (botoes == Botoes::Ok) return Resposta::Ok;
        if (respostas_.empty()) {
            ADD_FAILURE() << "unexpected question: " << texto.toStdString();
            return Resposta::Nao;
        }
        Resposta r = respostas_.front();
        respostas_.pop_front();
        return r;
    }

    SaveChoice salvarArquivo(QWidget*, const QString& titulo, const QString& nomeSugerido, const QStringList& filters,
                             const QString& selectedFilter) override {
        salvamentos_.push_back({titulo, nomeSugerido, filters, selectedFilter});
        if (arquivos_.empty()) {
            ADD_FAILURE() << "unexpected save dialog: " << titulo.toStdString();
            return {};
        }
        SaveChoice escolha = arquivos_.front();
        arquivos_.pop_front();
        if (escolha.filter.isEmpty()) escolha.filter = selectedFilter;
        return escolha;
    }

private:
    std::deque<Resposta> respostas_;
    std::deque<SaveChoice> arquivos_;
    std::vector<Mensagem> mensagens_;
    std::vector<Salvamento> salvamentos_;
};

}  // namespace testing_support
