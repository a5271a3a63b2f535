// The report page's line store: whole lines, in order, shown when the run hands them over.

#include "Relatorio.h"

#include <QPlainTextEdit>
#include <QTest>

#include <memory>

class TesteRelatorio : public QObject {
    Q_OBJECT
private slots:
    void init() {
        Caixa = std::make_unique<QPlainTextEdit>();
        Relatorio = std::make_unique<TRelatorio>(*Caixa);
    }

    // The page starts with one empty line; lines added without clearing go after it.
    void semLimparVemDepoisDaLinhaVazia() {
        Relatorio->Adiciona(QStringLiteral("a"));
        Relatorio->Descarrega();
        QCOMPARE(Caixa->toPlainText(), QStringLiteral("\na"));
    }

    void linhasVaziasNasPontas() {
        Relatorio->Limpa();
        for (const char* linha : {"", "x", ""})
            Relatorio->Adiciona(QString::fromLatin1(linha));
        Relatorio->Descarrega();
        QCOMPARE(Caixa->document()->blockCount(), 3);
        QCOMPARE(Caixa->toPlainText(), QStringLiteral("\nx\n"));
    }

    void nadaApareceAntesDaDescarga() {
        Relatorio->Limpa();
        Relatorio->Adiciona(QStringLiteral("a"));
        QVERIFY(Caixa->toPlainText().isEmpty());
        Relatorio->Descarrega();
        QCOMPARE(Caixa->toPlainText(), QStringLiteral("a"));
    }

    void duasDescargasSeguem() {
        Relatorio->Limpa();
        Relatorio->Adiciona(QStringLiteral("a"));
        Relatorio->Descarrega();
        Relatorio->Descarrega();
        Relatorio->Adiciona(QStringLiteral("b"));
        Relatorio->Adiciona(QStringLiteral("c"));
        Relatorio->Descarrega();
        QCOMPARE(Caixa->toPlainText(), QStringLiteral("a\nb\nc"));
    }

    void limparDescartaPendentes() {
        Relatorio->Adiciona(QStringLiteral("velha"));
        Relatorio->Limpa();
        Relatorio->Adiciona(QStringLiteral("nova"));
        Relatorio->Descarrega();
        QCOMPARE(Caixa->toPlainText(), QStringLiteral("nova"));
    }

private:
    std::unique_ptr<QPlainTextEdit> Caixa;
    std::unique_ptr<TRelatorio> Relatorio;
};

QTEST_MAIN(TesteRelatorio)
#include "TesteRelatorio.moc"
