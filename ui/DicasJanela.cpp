#include "DicasJanela.h"

#include "Configuracao.h"
#include "DicasExperimento.h"
#include "FiltroDica.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>

#include <array>

namespace {

struct TDica {
    std::array<const char*, 2> Controles;  // the control and its caption, if it has one
    const char* Texto;
};

const TDica Dicas[] = {
    {{"pcPlotagem", "Label9"}, "Como a superfície de F6 é desenhada: pontos, traços ou linhas"},
    {{"StaticText1", "Label14"},
     "Vista 3D: arraste com o botão direito para girar, o esquerdo move"},
    {{"Label17"}, "Vistas prontas da superfície 3D"},
    {{"SpeedButton1"}, "A superfície de frente e de cima, a vista inicial"},
    {{"SpeedButton2"}, "Aproxima a superfície"},
    {{"SpeedButton3"}, "A superfície vista de cima"},
    {{"SpeedButton4"}, "A superfície vista de lado"},
    {{"SpeedButton5"}, "Executa o AG com estes parâmetros, geração a geração"},
};

struct TDicaAba {
    const char* Pagina;
    const char* Texto;
};

const TDicaAba DicasAbas[] = {
    {"TabSheet1", "Melhor e média da aptidão por geração; clique para rever uma"},
    {"TabSheet2", "O melhor indivíduo de cada geração; clique numa para revê-la"},
    {"TabSheet3", "Repete esta configuração muitas vezes e compara os resultados"},
};

/// A tab bar has one status tip for all its tabs; this gives each tab its own.
class TDicasAbas : public QObject {
public:
    explicit TDicasAbas(QTabBar& abas) : QObject(&abas), Abas(abas) {
        abas.setMouseTracking(true);
        abas.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::MouseMove)
            Aponta(Abas.tabAt(static_cast<QMouseEvent*>(evento)->position().toPoint()));
        else if (evento->type() == QEvent::Leave)
            Aponta(-1);
        return QObject::eventFilter(objeto, evento);
    }

private:
    void Aponta(int aba) {
        if (aba == Apontada)
            return;
        Apontada = aba;
        QStatusTipEvent dica(Abas.tabToolTip(aba));
        QCoreApplication::sendEvent(&Abas, &dica);
    }

    QTabBar& Abas;
    int Apontada = -1;
};

// A list explains the item it shows; its caption, what the choice is.
void DaDicasLista(QMainWindow& janela, const TOpcaoExecucao& opcao) {
    auto* lista = janela.findChild<QComboBox*>(QString::fromStdString(opcao.Controle));
    for (std::size_t i = 0; i < opcao.DicasItens.size(); ++i) {
        const int item = static_cast<int>(i);
        const QString dica = QString::fromStdString(opcao.DicasItens[i]);
        lista->setItemData(item, dica, Qt::StatusTipRole);
        lista->setItemData(item, dica, Qt::ToolTipRole);
    }
    const auto segue = [lista] { Dica(*lista, lista->currentData(Qt::StatusTipRole).toString()); };
    QObject::connect(lista, &QComboBox::currentIndexChanged, lista, segue);
    segue();
    // The open list is a window of its own, where a status tip stops: its items' tips are
    // handed on to the main window.
    lista->view()->window()->installEventFilter(new TFiltroDica(
        [&janela](const QString& dica) {
            QStatusTipEvent evento(dica);
            QCoreApplication::sendEvent(&janela, &evento);
        },
        lista));
}

// The panel's options explain themselves from the table of options: the control and its
// caption alike, but a list by the item it shows.
void DaDicasPainel(QMainWindow& janela) {
    const auto dica = [&janela](const std::string& nome, const std::string& texto) {
        if (!nome.empty())
            Dica(*janela.findChild<QWidget*>(QString::fromStdString(nome)),
                 QString::fromStdString(texto));
    };
    for (const auto& opcao : OpcoesExecucao()) {
        dica(opcao.Rotulo, opcao.Dica);
        dica(opcao.Setas, opcao.DicaSetas);
        if (opcao.Tipo == TTipoOpcao::Item)
            DaDicasLista(janela, opcao);
        else
            dica(opcao.Controle, opcao.Dica);
    }
}

}  // namespace

void Dica(QWidget& controle, const QString& texto) {
    controle.setStatusTip(texto);
    controle.setToolTip(texto);
}

void DaDicas(QMainWindow& janela) {
    for (const TDica& d : Dicas)
        for (const char* nome : d.Controles)
            if (nome)
                Dica(*janela.findChild<QWidget*>(QString::fromLatin1(nome)),
                     QString::fromUtf8(d.Texto));
    DaDicasPainel(janela);
    auto* paginas = janela.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (const TDicaAba& d : DicasAbas) {
        const int aba = paginas->indexOf(janela.findChild<QWidget*>(QString::fromLatin1(d.Pagina)));
        paginas->setTabToolTip(aba, QString::fromUtf8(d.Texto));
    }
    new TDicasAbas(*paginas->tabBar());
    DaDicasExperimento(janela);
}
