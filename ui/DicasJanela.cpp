#include "DicasJanela.h"

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
    {{"pcTamPop", "Label7"}, "Quantos indivíduos (cromossomos) formam cada geração"},
    {{"pcTamCrom", "Label1"}, "Bits de cada cromossomo: a 1ª metade codifica x, a 2ª, y"},
    {{"Label2"}, "Como se escolhem os pais de cada cruzamento"},
    {{"pcQuantTorneio"}, "Torneio: quantos indivíduos sorteados disputam cada vaga de pai"},
    {{"Label3"}, "Como os genes dos dois pais se combinam nos filhos"},
    {{"pcTaxaCruz", "Label11"}, "Quantos % da população cruzam e dão lugar a filhos"},
    {{"Label8"}, "Como a mutação altera os bits dos filhos"},
    {{"pcTaxaMut", "Label12"}, "Chance, em %, de cada bit de cada filho sofrer mutação"},
    {{"pcLimGer", "Label10"}, "Quantas gerações a execução faz no máximo"},
    {{"Label5"}, "Como os filhos entram na população"},
    {{"pcDiferenca", "Label15"}, "Tolerância: para quando 1 − melhor aptidão ≤ este valor"},
    {{"SpinEdit1"}, "Muda a tolerância em passos de um centésimo"},
    {{"pcValMin", "Label6"}, "Menor valor de x e de y: a busca cobre um quadrado"},
    {{"pcValMax", "Label13"}, "Maior valor de x e de y"},
    {{"Label16"}, "Quando a execução termina"},
    {{"pcElite"}, "Elitismo: o melhor indivíduo passa intacto à geração seguinte"},
    {{"pcEscalonamento"}, "Na seleção, a aptidão do melhor pesa 100×, acima da média 50×"},
    {{"pcTipoAG"}, "x e y evoluem em duas populações, cada uma com o melhor da outra"},
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

struct TDicaItem {
    const char* Lista;
    const char* Item;
    const char* Texto;
};

const TDicaItem DicasItens[] = {
    {"pcTipoSel", "Roleta", "Roleta: cada pai é sorteado com chance proporcional à aptidão"},
    {"pcTipoSel", "Torneio", "Torneio: sorteia k indivíduos e o mais apto deles é o pai"},
    {"pcTipoSel", "n Melhores", "n Melhores: ainda não implementado"},
    {"pcTipoCruz", "1 ponto", "1 ponto: o filho une o início de um pai ao resto do outro"},
    {"pcTipoCruz", "2 pontos", "2 pontos: o filho leva do outro pai o trecho entre dois cortes"},
    {"pcTipoCruz", "Uniforme", "Uniforme: cada bit do filho vem de um dos pais, ao acaso"},
    {"pcTipoMut", "Flip", "Flip: o bit sorteado para mutar é invertido"},
    {"pcTipoMut", "Mutar para 1", "Mutar para 1: o bit sorteado para mutar passa a 1"},
    {"pcTipoMut", "Mutar para 0", "Mutar para 0: o bit sorteado para mutar passa a 0"},
    {"pcTipoMut", "Inversão", "Inversão: o bit sorteado troca de lugar com o vizinho"},
    {"pcTipoSubs", "Imediata", "Imediata: os filhos tomam o lugar de toda a população"},
    {"pcTipoSubs", "Inserção", "Inserção: os filhos trocam só parte da população; o resto fica"},
    {"pcTipoSubs", "", "(vazio): age como Inserção"},
    {"pcCritParada", "n Gerações", "n Gerações: faz sempre todas as gerações do limite"},
    {"pcCritParada", "Primeira situação encontrada",
     "Para na 1ª geração em que 1 − melhor aptidão ≤ tolerância"},
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

void Dica(QWidget& controle, const QString& texto) {
    controle.setStatusTip(texto);
    controle.setToolTip(texto);
}

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

void DaDicasListas(QMainWindow& janela) {
    for (const TDicaItem& d : DicasItens) {
        auto* lista = janela.findChild<QComboBox*>(QString::fromLatin1(d.Lista));
        const int item = lista->findText(QString::fromUtf8(d.Item), Qt::MatchExactly);
        Q_ASSERT(item >= 0);
        lista->setItemData(item, QString::fromUtf8(d.Texto), Qt::StatusTipRole);
        lista->setItemData(item, QString::fromUtf8(d.Texto), Qt::ToolTipRole);
    }
    for (const char* nome :
         {"pcTipoSel", "pcTipoCruz", "pcTipoMut", "pcTipoSubs", "pcCritParada"}) {
        auto* lista = janela.findChild<QComboBox*>(QString::fromLatin1(nome));
        const auto segue = [lista] {
            Dica(*lista, lista->currentData(Qt::StatusTipRole).toString());
        };
        QObject::connect(lista, &QComboBox::currentIndexChanged, lista, segue);
        segue();
        // The open list is a window of its own, where a status tip stops: its items' tips
        // are handed on to the main window.
        lista->view()->window()->installEventFilter(new TFiltroDica(
            [&janela](const QString& dica) {
                QStatusTipEvent evento(dica);
                QCoreApplication::sendEvent(&janela, &evento);
            },
            lista));
    }
}

}  // namespace

void DaDicas(QMainWindow& janela) {
    for (const TDica& d : Dicas)
        for (const char* nome : d.Controles)
            if (nome)
                Dica(*janela.findChild<QWidget*>(QString::fromLatin1(nome)),
                     QString::fromUtf8(d.Texto));
    DaDicasListas(janela);
    auto* paginas = janela.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (const TDicaAba& d : DicasAbas) {
        const int aba = paginas->indexOf(janela.findChild<QWidget*>(QString::fromLatin1(d.Pagina)));
        paginas->setTabToolTip(aba, QString::fromUtf8(d.Texto));
    }
    new TDicasAbas(*paginas->tabBar());
    DaDicasExperimento(janela);
}
