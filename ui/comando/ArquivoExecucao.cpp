#include "ArquivoExecucao.h"

#include "QuivoraVersao.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>

namespace {

// A command is one line of some hundred characters; anything far longer is no run's file.
constexpr qint64 TamanhoMaximo = 64 * 1024;

}  // namespace

bool GravaExecucao(const QString& caminho, const QString& comando, QString& erro) {
    QSaveFile arquivo(caminho);
    const QString texto =
        QStringLiteral("# Quivora %1, %2\n%3\n")
            .arg(QStringLiteral(QUIVORA_VERSAO),
                 QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd HH:mm 'UTC'")),
                 comando);
    if (arquivo.open(QIODevice::WriteOnly) && arquivo.write(texto.toUtf8()) >= 0 &&
        arquivo.commit())
        return true;
    erro = arquivo.errorString();
    return false;
}

QString LeExecucao(const QString& caminho, QString& erro) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        erro = arquivo.errorString();
        return {};
    }
    if (arquivo.size() > TamanhoMaximo) {
        erro = QStringLiteral("o arquivo é grande demais para uma execução");
        return {};
    }
    QString comando;
    for (const QString& linha : QString::fromUtf8(arquivo.readAll()).split(QLatin1Char('\n'))) {
        const QString limpa = linha.trimmed();
        if (limpa.isEmpty() || limpa.startsWith(QLatin1Char('#')))
            continue;
        if (!comando.isEmpty()) {
            erro = QStringLiteral("o arquivo tem mais de um comando");
            return {};
        }
        comando = limpa;
    }
    if (comando.isEmpty())
        erro = QStringLiteral("o arquivo não tem comando");
    return comando;
}
