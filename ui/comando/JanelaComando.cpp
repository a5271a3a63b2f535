#include "JanelaComando.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

TJanelaComando::TJanelaComando(const QString& comando, TAceita aceita, QWidget* parent)
    : QDialog(parent), Aceita(std::move(aceita)) {
    setWindowTitle(QStringLiteral("Repetir comando – Quivora"));
    auto* coluna = new QVBoxLayout(this);
    auto* rotulo = new QLabel(QStringLiteral("Comando de quivora-run (o de “Copiar comando”):"));
    coluna->addWidget(rotulo);
    edComando = new QLineEdit(comando);
    edComando->setObjectName(QStringLiteral("edComando"));
    edComando->setToolTip(
        QStringLiteral("O painel toma as opções do comando e executa com a "
                       "semente dele"));
    edComando->setMinimumWidth(edComando->fontMetrics().averageCharWidth() * 70);
    rotulo->setBuddy(edComando);
    coluna->addWidget(edComando);
    ErroComando = new QLabel;
    ErroComando->setObjectName(QStringLiteral("ErroComando"));
    ErroComando->setWordWrap(true);
    ErroComando->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ErroComando->setStyleSheet(QStringLiteral("color: #b00000"));
    ErroComando->hide();
    coluna->addWidget(ErroComando);
    auto* botoes = new QDialogButtonBox;
    QPushButton* executar =
        botoes->addButton(QStringLiteral("Executar"), QDialogButtonBox::AcceptRole);
    executar->setObjectName(QStringLiteral("btExecutarComando"));
    executar->setDefault(true);
    botoes->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    connect(botoes, &QDialogButtonBox::accepted, this, &TJanelaComando::Executa);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    coluna->addWidget(botoes);
}

void TJanelaComando::Executa() {
    const QString motivo = Aceita(edComando->text());
    if (motivo.isEmpty()) {
        accept();
        return;
    }
    ErroComando->setText(motivo);
    ErroComando->show();
}
