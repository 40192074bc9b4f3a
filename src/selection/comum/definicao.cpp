#include "definicao.h"

#include <QEvent>
#include <QListWidget>
#include <QMouseEvent>

#include "banco.h"
#include "cursor_espera.h"
#include "dialogos.h"
#include "error_policy.h"
#include "texto_sql.h"

namespace quelva {

namespace {

const char* kTituloDefinicao = "Definição de variável";
const char* kSelecioneVariavel = "Selecione uma variável";

// The last row's field as text; "" when there is no row or the field is null.
QString ultimo(jet::Recordset& rs, const char* campo) {
    if (rs.recordCount() == 0) return {};
    rs.moveLast();
    return QString::fromStdString(rs.field(campo).toText());
}

// Passes right-button presses on a list to the panel's definition handler.
class BotaoDireito : public QObject {
public:
    BotaoDireito(QWidget* lista, ErrorPolicy& politica, std::function<void()> f)
        : QObject(lista), lista_(lista), politica_(politica), f_(std::move(f)) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(e)->button() == Qt::RightButton) {
            politica_.run([this] {
                CursorEspera espera(lista_);
                f_();
            });
            return true;  // the press must not move the current entry
        }
        return false;
    }

private:
    QWidget* lista_;
    ErrorPolicy& politica_;
    std::function<void()> f_;
};

}  // namespace

void Ger_MostrarDescricaoVariavel(Banco& banco, Dialogos& dialogos, QWidget* pai, const QString& codigo) {
    jet::Connection db = banco.abrir();
    jet::Recordset var = db.openRecordset("Select * From CD_VAR Where CodVariavel = " + textoSql(codigo));
    if (var.recordCount() == 0) return;  // a code the catalogue does not know: nothing to describe
    var.moveLast();
    const std::string subtema = var.field("CodSubTema").toText();
    const std::string tema = var.field("CodTema").toText();
    const QString nome = QString::fromStdString(var.field("NomeVariavel").toText());
    const QString cod = QString::fromStdString(var.field("CodVariavel").toText());
    jet::Recordset rsSub = db.openRecordset("Select * From CD_SUBTEMA Where CodSubTema = " + (subtema.empty() ? "Null" : subtema));
    jet::Recordset rsTema = db.openRecordset("Select * From CD_TEMA Where CodTema = " + (tema.empty() ? "Null" : tema));
    jet::Recordset rsDef = db.openRecordset("Select * From CD_DEFINICOES Where CodVariavel = " + textoSql(cod));
    if (rsDef.recordCount() > 0) {
        const QString quebra2 = QStringLiteral("\r\r");  // a carriage return alone, twice: one blank line between parts
        const QString texto = QStringLiteral("Tema: ") + ultimo(rsTema, "NomeTema") + quebra2 + QStringLiteral("SubTema: ") +
                              ultimo(rsSub, "NomeSubTema") + quebra2 + QString::fromUtf8("Variável: ") + nome + quebra2 +
                              QString::fromUtf8("Definição: ") + ultimo(rsDef, "DefinicaoVariavel");
        dialogos.mensagem(pai, texto, Dialogos::Icone::Informacao, Dialogos::Botoes::Ok, QString::fromUtf8(kTituloDefinicao));
    }
}

void MostrarDefinicaoDaLista(Banco& banco, Dialogos& dialogos, QWidget* pai, QListWidget& codigos, QListWidget& nomes) {
    const int i = nomes.currentRow();
    if (i < 0 || i >= codigos.count()) {
        dialogos.mensagem(pai, QString::fromUtf8(kSelecioneVariavel), Dialogos::Icone::Critico, Dialogos::Botoes::Ok, QString());
        return;
    }
    CursorEspera espera(pai);
    Ger_MostrarDescricaoVariavel(banco, dialogos, pai, codigos.item(i)->text());
}

void ligarBotaoDireito(QListWidget& nomes, ErrorPolicy& politica, std::function<void()> mostrar) {
    nomes.viewport()->installEventFilter(new BotaoDireito(&nomes, politica, std::move(mostrar)));
}

}  // namespace quelva
