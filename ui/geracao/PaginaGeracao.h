#pragma once

#include "ConfiguracaoAG.h"
#include "PassoGeracao.h"

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class QScrollArea;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;
class QToolButton;
class TControleVista;
class TGLPanel;
class TModeloPopulacao;
class TReproducao;
class TVistaPasso;

/// The window's parts the page "Geração" shows on and takes picks from.
struct TControlesGeracao {
    QWidget* Janela = nullptr;  ///< parent of the file dialogs
    QTabWidget* PageControl1 = nullptr;
    TReproducao* Reproducao = nullptr;
    TControleVista* Vista = nullptr;
    TGLPanel* GLPanel1 = nullptr;
};

/// The page "Geração", a tab of PageControl1: the generation the replay shows, as a sortable
/// table of its population ("População"), and the step from it to the next one, operation by
/// operation ("Passo a passo"). A row picked marks its individual on the 3D view; the mouse
/// over a point of the 3D view names its individual and picks its row; the step marks its
/// parents and where their children landed. Brought up to date only while it shows: a pick
/// made while it is hidden is only noted.
class TPaginaGeracao : public QWidget {
    Q_OBJECT
public:
    explicit TPaginaGeracao(const TControlesGeracao& controles);

    /// The run just ended was made under `config`; its generations follow from the replay.
    void Configura(const TConfiguracaoAG& config) { Config = config; }

    /// The operation the step view shows, and moving through them (clamped).
    [[nodiscard]] TEtapa Etapa() const { return FEtapa; }
    void MostraEtapa(int etapa);
    /// The step shown (g to g + 1), or nothing at the last generation and before any run.
    [[nodiscard]] const std::optional<TPassoMostrado>& Passo() const { return FPasso; }

protected:
    void showEvent(QShowEvent* evento) override;
    void hideEvent(QHideEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* CriaPopulacao();
    QWidget* CriaPassos();
    QToolButton* Botao(const QString& texto, const QString& dica);
    QWidget* CriaExportacao();
    [[nodiscard]] QWidget& VistaAtual() const;
    void Recomeca();
    void Escolhida(int geracao);
    void Atualiza();
    void MostraPasso();
    void LinhaEscolhida();
    void Apontado(int slot, QPoint global);
    /// Puts the page's marks on the 3D view, drawing it again unless the caller will.
    void Marca(bool redesenha = true);

    TControlesGeracao Controles;
    TConfiguracaoAG Config;
    int Geracao = -1;  // the replay's, -1 before any run
    bool Pendente = false;
    bool ColunasAjustadas = false;  // to the run's first generation shown
    int Marcado = 0;
    TEtapa FEtapa = TEtapa::Selecao;
    std::optional<TPassoMostrado> FPasso;

    QTabWidget* Abas;
    QTableView* Tabela;
    TModeloPopulacao* Modelo;
    QSortFilterProxyModel* Ordem;
    TVistaPasso* VistaPasso;
    QScrollArea* Rolagem;
    QLabel* Explicacao;
    QLabel* RotuloEtapa;
    QToolButton* Anterior;
    QToolButton* Proxima;
};
