#include "PaginaExperimento.h"

#include "CaixaBigodes.h"
#include "ComandoRepeticao.h"
#include "CsvExperimento.h"
#include "GraficoExperimento.h"
#include "JanelaExperimento.h"
#include "Resumo.h"
#include "TabelaExperimento.h"
#include "TrabalhoExperimento.h"
#include "TravaArquivo.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>
#include <array>
#include <thread>

namespace {

// The colours of the kept experiments, in order: the fitness chart's two, then two more that
// read on its dark background.
const std::array<QColor, TPaginaExperimento::MaxMantidos> Cores{
    QColor(0, 255, 0), QColor(255, 0, 0), QColor(255, 255, 0), QColor(255, 0, 255)};

constexpr std::chrono::milliseconds IntervaloProgresso{50};

}  // namespace

TPaginaExperimento::TPaginaExperimento(const TControlesExperimento& controles,
                                       std::function<std::optional<TConfiguracao>()> leConfiguracao,
                                       std::function<std::uint32_t()> relogio, QWidget* janela)
    : Controles(controles),
      LeConfiguracao(std::move(leConfiguracao)),
      Relogio(std::move(relogio)),
      Janela(janela),
      Trabalho(new TTrabalhoExperimento(this)),
      Progresso(new QTimer(this)) {
    connect(Controles.btExecutarExperimento, &QPushButton::clicked, this,
            &TPaginaExperimento::btExecutarExperimentoClick);
    connect(Controles.btCancelar, &QPushButton::clicked, this,
            &TPaginaExperimento::btCancelarClick);
    connect(Controles.btSalvarCsv, &QPushButton::clicked, this,
            &TPaginaExperimento::btSalvarCsvClick);
    connect(Controles.btLimpar, &QPushButton::clicked, this, &TPaginaExperimento::btLimparClick);
    connect(Controles.btAmpliar, &QToolButton::clicked, this, &TPaginaExperimento::btAmpliarClick);
    connect(Controles.GraficoExperimento, &TGraficoExperimento::PedeAmpliacao, this,
            &TPaginaExperimento::btAmpliarClick);
    connect(Trabalho, &TTrabalhoExperimento::Concluido, this, &TPaginaExperimento::AoConcluir);
    connect(Progresso, &QTimer::timeout, this, &TPaginaExperimento::MostraProgresso);
    Progresso->setInterval(IntervaloProgresso);
    Controles.btAmpliar->setIcon(
        Controles.btAmpliar->style()->standardIcon(QStyle::SP_TitleBarMaxButton));
    Controles.GraficoExperimento->PermiteAmpliar(true);
    QTreeWidget& tabela = *Controles.ResumoExperimento;
    ConfiguraTabelaExperimento(tabela, Separador());
    tabela.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Controles.ResumoExperimento, &QTreeWidget::customContextMenuRequested, this,
            &TPaginaExperimento::MenuResumo);
    Controles.ProgressoExperimento->setValue(0);
    Trava(false);
}

TPaginaExperimento::~TPaginaExperimento() = default;

// The progress timer runs from the click until the experiment's outcome is in.
bool TPaginaExperimento::EmCurso() const {
    return Progresso->isActive();
}

// The panel's snapshot, as the run button takes it, repeated on worker threads.
void TPaginaExperimento::btExecutarExperimentoClick() {
    const std::optional<TConfiguracao> config = LeConfiguracao();
    if (!config)
        return;
    EmAndamento = {};
    EmAndamento.Config = *config;
    EmAndamento.Semente = Relogio();
    Controles.pcRepeticoes->interpretText();  // a number typed and not yet confirmed
    EmAndamento.Pedidas = Controles.pcRepeticoes->value();
    Controles.ProgressoExperimento->setRange(0, EmAndamento.Pedidas);
    Controles.ProgressoExperimento->setValue(0);
    Trava(true);
    Trabalho->Inicia(EmAndamento.Config, EmAndamento.Pedidas, EmAndamento.Semente,
                     static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
    Progresso->start();
}

void TPaginaExperimento::btCancelarClick() {
    Trabalho->Cancela();
    Controles.btCancelar->setEnabled(false);
}

void TPaginaExperimento::AoConcluir() {
    Progresso->stop();
    TConclusaoExperimento conclusao = Trabalho->Toma();
    EmAndamento.Resultados = std::move(conclusao.Resultados);
    EmAndamento.Curva = std::move(conclusao.Curva);
    EmAndamento.Cancelado = static_cast<int>(EmAndamento.Resultados.size()) < EmAndamento.Pedidas;
    QString saiu;  // the name of the experiment a fifth one replaces
    if (!EmAndamento.Resultados.empty()) {
        // A fifth experiment takes the place of the oldest one after the first, against which
        // the others are compared.
        if (Guardados.size() == MaxMantidos) {
            saiu = Nome(1);
            Guardados.erase(Guardados.begin() + 1);
        }
        EmAndamento.Cor = CorLivre();
        Guardados.push_back(std::move(EmAndamento));
    }
    MostraProgresso();
    MostraMantidos();
    Trava(false);
    if (!saiu.isEmpty()) {
        QMessageBox caixa(QMessageBox::Information, QStringLiteral("Quivora"),
                          QStringLiteral("Ficam guardados até %1 experimentos, e o primeiro é a "
                                         "referência: “%2” saiu para dar lugar a “%3”.")
                              .arg(MaxMantidos)
                              .arg(saiu, Nome(Guardados.size() - 1)),
                          QMessageBox::Ok, Janela);
        caixa.exec();
    }
    if (!conclusao.Erro.empty()) {
        QMessageBox caixa(
            QMessageBox::Critical, QStringLiteral("Quivora"),
            QStringLiteral("O experimento parou: %1").arg(QString::fromStdString(conclusao.Erro)),
            QMessageBox::Ok, Janela);
        caixa.exec();
    }
}

// The first colour no kept experiment has.
int TPaginaExperimento::CorLivre() const {
    for (int cor = 0;; ++cor)
        if (std::none_of(Guardados.begin(), Guardados.end(),
                         [&](const TExperimentoMantido& e) { return e.Cor == cor; }))
            return cor;
}

void TPaginaExperimento::MostraProgresso() {
    Controles.ProgressoExperimento->setValue(Trabalho->Feitas());
}

void TPaginaExperimento::btLimparClick() {
    Guardados.clear();
    Controles.ProgressoExperimento->setValue(0);
    MostraMantidos();
    Trava(false);
}

void TPaginaExperimento::btAmpliarClick() {
    if (Ampliada == nullptr) {
        Ampliada = new TJanelaExperimento(Separador(), Janela);
        Ampliada->Mostra(NoGrafico, NaTabela);
    }
    Ampliada->Abre(Controles.GraficoExperimento->Vista());
}

void TPaginaExperimento::btSalvarCsvClick() {
    const QString caminho = QFileDialog::getSaveFileName(
        Janela, QStringLiteral("Salvar CSV"), QStringLiteral("experimento.csv"),
        QStringLiteral("Arquivos CSV (*.csv);;Todos os arquivos (*)"));
    if (caminho.isEmpty() || GravaCsv(caminho))
        return;
    QMessageBox caixa(QMessageBox::Critical, QStringLiteral("Quivora"),
                      QStringLiteral("Não foi possível gravar o arquivo %1.").arg(caminho),
                      QMessageBox::Ok, Janela);
    caixa.exec();
}

bool TPaginaExperimento::GravaCsv(const QString& caminho) const {
    std::string texto = CabecalhoCsvExperimento();
    for (std::size_t k = 0; k < Guardados.size(); ++k) {
        const std::vector<std::string> parametros = ParametrosCsv(Guardados[k].Config);
        for (TResultadoExecucao r : Guardados[k].Resultados) {
            r.Configuracao = static_cast<int>(k + 1);
            texto += LinhaCsvExperimento(
                parametros, r, {static_cast<int>(Guardados.size()), Guardados[k].Pedidas});
        }
    }
    // Written beside the file and put in its place at the end, so that a failure leaves it as
    // it was; but not in the place of a file that quivora-run is writing, whose rows would go
    // on into the file put aside.
    if (ArquivoEmUso(QFile::encodeName(caminho).toStdString()))
        return false;
    QSaveFile arquivo(caminho);
    return arquivo.open(QIODevice::WriteOnly) &&
           arquivo.write(texto.data(), static_cast<qint64>(texto.size())) ==
               static_cast<qint64>(texto.size()) &&
           arquivo.commit();
}

QString TPaginaExperimento::Comando(std::size_t k) const {
    const TExperimentoMantido& e = Guardados.at(k);
    return QString::fromStdString(LinhaDeComando(
        ArgumentosRepeticao(e.Config, static_cast<int>(e.Resultados.size()), e.Semente)));
}

QString TPaginaExperimento::Nome(std::size_t k, decltype(&RotuloExperimento) rotulo) const {
    const TExperimentoMantido& e = Guardados.at(k);
    QString nome =
        k == 0 ? QStringLiteral("Referência")
               : QString::fromStdString(rotulo(e.Config, Guardados.front().Config, Separador()));
    if (e.Cancelado)
        nome += QStringLiteral(" (cancelado)");
    return nome;
}

// The chart's views and the summary's lines of the kept experiments, the first as reference,
// on the page and in its enlarged window.
void TPaginaExperimento::MostraMantidos() {
    const std::string separador = Separador();
    std::vector<TConfiguracao> configuracoes;
    for (const TExperimentoMantido& e : Guardados)
        configuracoes.push_back(e.Config);
    TResumo resumo(configuracoes);
    for (std::size_t k = 0; k < Guardados.size(); ++k)
        for (TResultadoExecucao r : Guardados[k].Resultados) {
            r.Configuracao = static_cast<int>(k + 1);
            resumo.Acrescenta(r);
        }
    const std::vector<TLinhaResumo> linhas = resumo.Linhas();
    const std::vector<std::vector<TPontoDistribuicao>> distribuicoes = resumo.Distribuicoes();

    NoGrafico.clear();
    NaTabela.clear();
    for (std::size_t k = 0; k < Guardados.size(); ++k) {
        const TExperimentoMantido& e = Guardados[k];
        const QColor cor = Cores[static_cast<std::size_t>(e.Cor)];
        std::vector<double> melhores;
        melhores.reserve(e.Resultados.size());
        for (const TResultadoExecucao& r : e.Resultados)
            melhores.push_back(r.MelhorAptidao1);
        const int tamPop = e.Config.Painel.Valores.TamPop;
        TExperimentoNoGrafico g;
        g.Titulo = Nome(k, &RotuloCurto);
        g.Cor = cor;
        g.Curva = e.Curva;
        g.Distribuicao = distribuicoes[k];
        g.MenosAvaliacoes = Avaliacoes(tamPop, 0);
        g.MaisAvaliacoes = Avaliacoes(tamPop, e.Config.Painel.Valores.LimGer);
        g.Caixa = CaixaBigodes(std::move(melhores));
        NoGrafico.push_back(std::move(g));
        const TLinhaResumo& l = linhas[k];
        NaTabela.push_back({Nome(k), cor,
                            e.Cancelado ? QStringLiteral("%1 de %2").arg(l.Execucoes).arg(e.Pedidas)
                                        : QString::number(l.Execucoes),
                            Comando(k), l});
    }
    Controles.GraficoExperimento->Mostra(NoGrafico);
    PreencheTabelaExperimento(*Controles.ResumoExperimento, NaTabela, separador);
    if (Ampliada != nullptr)
        Ampliada->Mostra(NoGrafico, NaTabela);
}

void TPaginaExperimento::MenuResumo(const QPoint& posicao) {
    QTreeWidget& tabela = *Controles.ResumoExperimento;
    QTreeWidgetItem* item = tabela.itemAt(posicao);
    if (item == nullptr)
        return;
    const auto k = static_cast<std::size_t>(tabela.indexOfTopLevelItem(item));
    QMenu menu(&tabela);
    const QAction* copiar = menu.addAction(QStringLiteral("Copiar comando"));
    if (menu.exec(tabela.viewport()->mapToGlobal(posicao)) == copiar)
        QApplication::clipboard()->setText(Comando(k));
}

// While an experiment runs the panel, the run button and the page's own start are locked.
void TPaginaExperimento::Trava(bool emCurso) {
    Controles.Panel1->setEnabled(!emCurso);
    Controles.pcRepeticoes->setEnabled(!emCurso);
    Controles.btExecutarExperimento->setEnabled(!emCurso);
    Controles.btCancelar->setEnabled(emCurso);
    Controles.btSalvarCsv->setEnabled(!emCurso && !Guardados.empty());
    Controles.btLimpar->setEnabled(!emCurso && !Guardados.empty());
}

std::string TPaginaExperimento::Separador() {
    return QLocale::system().decimalPoint().toStdString();
}
