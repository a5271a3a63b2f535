#include "Relatorio.h"

#include <QPlainTextEdit>
#include <QTextCursor>

void TRelatorio::Limpa() {
    Caixa.clear();
    Pendentes.clear();
    Vazio = true;
}

void TRelatorio::Adiciona(const QString& linha) {
    Pendentes.append(linha);
}

void TRelatorio::Descarrega() {
    if (Pendentes.isEmpty())
        return;
    QString texto = Pendentes.join(QLatin1Char('\n'));
    if (!Vazio)
        texto.prepend(QLatin1Char('\n'));
    QTextCursor cursor(Caixa.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(texto);
    Pendentes.clear();
    Vazio = false;
}
