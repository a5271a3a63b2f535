#include "TabelaExperimento.h"

#include <QHeaderView>
#include <QPixmap>
#include <QTreeWidget>

#include <array>
#include <cmath>

namespace {

enum Coluna {
    ColNome,
    ColRepeticoes,
    ColAtingiram,
    ColIntervalo,
    ColGeracao,
    ColMelhor,
    ColPMw,
    ColPFisher,
    ColERT,
    ColA12,
    Colunas
};

QIcon Amostra(const QColor& cor) {
    QPixmap amostra(10, 10);
    amostra.fill(cor);
    return QIcon(amostra);
}

// A fixed text's numbers, written with '.', in the user's notation.
QString Decimais(QString texto, const std::string& separador) {
    return texto.replace(QLatin1Char('.'), QString::fromStdString(separador));
}

QString Magnitude(TMagnitudeA12 magnitude) {
    switch (magnitude) {
        case TMagnitudeA12::Desprezivel:
            return QStringLiteral("desprezível");
        case TMagnitudeA12::Pequena:
            return QStringLiteral("pequena");
        case TMagnitudeA12::Media:
            return QStringLiteral("média");
        case TMagnitudeA12::Grande:
            return QStringLiteral("grande");
        case TMagnitudeA12::Indefinida:
            break;
    }
    return {};
}

}  // namespace

void ConfiguraTabelaExperimento(QTreeWidget& tabela, const std::string& separador) {
    const std::array<std::pair<QString, QString>, Colunas> colunas{{
        {QStringLiteral("Experimento"),
         QStringLiteral("O que o experimento muda em relação ao primeiro, a referência com que "
                        "os outros são comparados")},
        {QStringLiteral("Repetições"),
         QStringLiteral("Repetições feitas (e quantas foram pedidas, se cancelado)")},
        {QStringLiteral("Atingiram"),
         QStringLiteral("Repetições que chegaram à tolerância de 1 (Diferença p/Ótimo) em "
                        "alguma geração, e a fração delas")},
        {QStringLiteral("IC 95 %"),
         QStringLiteral("Intervalo de confiança de Wilson a 95 % da fração que atingiu")},
        {QStringLiteral("Geração"),
         QStringLiteral("Mediana da primeira geração dentro da tolerância, entre as repetições "
                        "que a atingiram")},
        {QStringLiteral("Melhor"), QStringLiteral("Mediana da melhor aptidão da última geração")},
        {QStringLiteral("p MW"),
         QStringLiteral("p-valor bilateral do teste de Mann–Whitney da melhor aptidão final "
                        "contra a referência (aproximação normal, com correções de empates e "
                        "de continuidade)")},
        {QStringLiteral("p Fisher"),
         QStringLiteral("p-valor bilateral do teste exato de Fisher do número de repetições "
                        "que atingiram, contra a referência")},
        {QStringLiteral("ERT"),
         QStringLiteral("Tempo esperado de execução (ERT, como o COCO o define), em avaliações: "
                        "as avaliações de todas as repetições (até atingir a tolerância, ou "
                        "todas as gastas pelas que nunca a atingiram) divididas pelo número das "
                        "que atingiram; ∞ quando nenhuma atingiu. Cada geração, a 0 inclusive, "
                        "avalia a população inteira. A dica de cada valor dá os percentis 10 e "
                        "90 de 1000 reinícios simulados (bootstrap)")},
        {QStringLiteral("A12"),
         Decimais(QStringLiteral("A12 de Vargha e Delaney da melhor aptidão final contra a "
                                 "referência: P(X > Y) + ½ P(X = Y), a chance de uma repetição "
                                 "deste experimento terminar melhor que uma da referência; 0.5 "
                                 "é nenhuma diferença. A magnitude segue os limiares de Vargha "
                                 "e Delaney para |A12 − 0.5|: desprezível abaixo de 0.06, "
                                 "pequena abaixo de 0.14, média abaixo de 0.21, grande a partir "
                                 "daí"),
                  separador)},
    }};
    tabela.setColumnCount(Colunas);
    QTreeWidgetItem* cabecalho = tabela.headerItem();
    for (int c = 0; c < Colunas; ++c) {
        cabecalho->setText(c, colunas[static_cast<std::size_t>(c)].first);
        cabecalho->setToolTip(c, colunas[static_cast<std::size_t>(c)].second);
    }
    tabela.setRootIsDecorated(false);
    tabela.setUniformRowHeights(true);
    tabela.setIconSize(QSize(10, 10));  // the experiment's colour
    tabela.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    tabela.header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabela.header()->setStretchLastSection(false);
}

void PreencheTabelaExperimento(QTreeWidget& tabela,
                               const std::vector<TLinhaTabelaExperimento>& linhas,
                               const std::string& separador) {
    const auto numero = [&](double valor, int algarismos) {
        return std::isnan(valor)
                   ? QStringLiteral("n.d.")
                   : QString::fromStdString(FormataAlgarismos(valor, algarismos, separador));
    };
    const auto porcento = [&](double valor) {
        return numero(100 * valor, 3) + QStringLiteral(" %");
    };
    const auto avaliacoes = [&](double valor) {
        return std::isinf(valor)   ? QStringLiteral("∞")
               : std::isnan(valor) ? QStringLiteral("n.d.")
                                   : QString::number(std::llround(valor));
    };
    tabela.clear();
    for (std::size_t k = 0; k < linhas.size(); ++k) {
        const TLinhaTabelaExperimento& linha = linhas[k];
        const TLinhaResumo& l = linha.Resumo;
        auto* item = new QTreeWidgetItem(&tabela);
        item->setIcon(ColNome, Amostra(linha.Cor));
        item->setText(ColNome, linha.Nome);
        item->setText(ColRepeticoes, linha.Repeticoes);
        item->setText(ColAtingiram,
                      QStringLiteral("%1 (%2)").arg(l.Atingiram).arg(porcento(l.Taxa)));
        item->setText(ColIntervalo, numero(100 * l.Wilson.Inferior, 3) + QStringLiteral("–") +
                                        porcento(l.Wilson.Superior));
        item->setText(ColGeracao, numero(l.MedianaPrimeira, 4));
        item->setText(ColMelhor, numero(l.Melhor1.Mediana, 4));
        item->setText(ColPMw, k == 0 ? QStringLiteral("–") : numero(l.PMannWhitney, 3));
        item->setText(ColPFisher, k == 0 ? QStringLiteral("–") : numero(l.PFisher, 3));
        item->setText(ColERT, avaliacoes(l.ERT.Valor));
        item->setText(ColA12, k == 0 ? QStringLiteral("–")
                                     : numero(l.A12.Valor, 2) + QLatin1Char(' ') +
                                           Magnitude(l.A12.Magnitude));
        const QString dica = linha.Nome + QStringLiteral("\nRepete com: ") + linha.Comando;
        for (int c = ColNome; c < Colunas; ++c) {
            item->setToolTip(c, dica);
            if (c != ColNome)
                item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        }
        if (!std::isinf(l.ERT.Valor) && !std::isnan(l.ERT.Valor))
            item->setToolTip(ColERT, dica + QStringLiteral("\nERT: percentis 10 e 90 do "
                                                           "bootstrap, %1 e %2 avaliações")
                                                .arg(avaliacoes(l.ERT.P10), avaliacoes(l.ERT.P90)));
    }
}
