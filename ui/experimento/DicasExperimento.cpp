#include "DicasExperimento.h"

#include <QWidget>

namespace {

struct TDica {
    const char* Controle;
    const char* Texto;
};

const TDica Dicas[] = {
    {"Label19", "Quantas vezes repetir esta configuração, cada vez com outra semente"},
    {"pcRepeticoes", "Quantas vezes repetir esta configuração, cada vez com outra semente"},
    {"btExecutarExperimento", "Repete o AG com este painel: o que sempre se repete não é sorte"},
    {"ProgressoExperimento", "Quantas repetições do experimento já terminaram"},
    {"btAmpliar", "As vistas e a tabela numa janela própria (ou duplo clique no gráfico)"},
    {"btCancelar", "Interrompe o experimento; as repetições já feitas ficam"},
    {"btSalvarCsv", "Grava cada repetição dos experimentos numa planilha CSV"},
    {"btLimpar", "Esquece os experimentos guardados e limpa a página"},
    {"ResumoExperimento", "Cada experimento resumido; o título de cada coluna diz o que mede"},
};

QWidget& Controle(QWidget& janela, const char* nome) {
    auto* controle = janela.findChild<QWidget*>(QString::fromLatin1(nome));
    Q_ASSERT(controle);
    return *controle;
}

}  // namespace

void DaDicasExperimento(QWidget& janela) {
    for (const TDica& d : Dicas) {
        QWidget& controle = Controle(janela, d.Controle);
        controle.setStatusTip(QString::fromUtf8(d.Texto));
        controle.setToolTip(controle.statusTip());
    }
    // The chart's tooltip is its own, after the view it shows.
    Controle(janela, "GraficoExperimento")
        .setStatusTip(
            QStringLiteral("Os experimentos lado a lado; o botão direito escolhe a vista"));
}
