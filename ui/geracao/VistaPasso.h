#pragma once

#include "PassoGeracao.h"

#include <QWidget>

/// One operation of a step, drawn: "Seleção" as the roulette's wheel with every draw marked
/// and the parent it chose named (or each tournament and its winner), "Cruzamento" as each
/// pair's parents and children with the bits coloured by parent and the cuts or the mask,
/// "Mutação" as each child's bits with the hits marked, "Substituição" as the slot each child
/// took. As tall and wide as its content, for a scroll area; paints only the rows exposed.
class TVistaPasso : public QWidget {
    Q_OBJECT
public:
    explicit TVistaPasso(QWidget* parent = nullptr);

    /// Shows `passo` (kept by the caller while shown, nullptr for none) at `etapa`.
    void Mostra(const TPassoMostrado* passo, TEtapa etapa);

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    [[nodiscard]] int Linhas() const;
    [[nodiscard]] int Rodas() const;
    void DesenhaRoda(QPainter& p, QRect onde, const std::vector<double>& fatias, bool y) const;
    void DesenhaLinha(QPainter& p, int linha, int yTopo) const;
    void DesenhaBits(QPainter& p, int x, int y, const std::vector<std::uint8_t>& bits,
                     const std::vector<std::uint8_t>* origem, const TPosicoes* acertos) const;
    void DesenhaCortes(QPainter& p, int x, int y, int altura, const TParMostrado& par) const;

    const TPassoMostrado* Passo = nullptr;
    TEtapa Etapa = TEtapa::Selecao;
};
