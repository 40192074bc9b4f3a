#pragma once
#include <gtest/gtest.h>

#include <QString>
#include <deque>
#include <vector>

#include "dialogos.h"

namespace testing_support {

// A dialogs service for tests: it records every message and save dialog instead of showing it, and answers
// from a script. Boxes with only an OK button need no answer; a question (Sim/Não) takes the next answer from
// the queue, and a save dialog the next file name. A question or save dialog with nothing left in its queue
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
        QString filtro;
    };

    void responder(Resposta resposta) { respostas_.push_back(resposta); }
    void escolherArquivo(const QString& nome) { arquivos_.push_back(nome); }

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

    QString salvarArquivo(QWidget*, const QString& titulo, const QString& nomeSugerido, const QString& filtro) override {
        salvamentos_.push_back({titulo, nomeSugerido, filtro});
        if (arquivos_.empty()) {
            ADD_FAILURE() << "unexpected save dialog: " << titulo.toStdString();
            return {};
        }
        QString nome = arquivos_.front();
        arquivos_.pop_front();
        return nome;
    }

private:
    std::deque<Resposta> respostas_;
    std::deque<QString> arquivos_;
    std::vector<Mensagem> mensagens_;
    std::vector<Salvamento> salvamentos_;
};

}  // namespace testing_support
