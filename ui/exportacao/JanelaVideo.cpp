#include "JanelaVideo.h"

#include "BarraReproducao.h"
#include "DicasJanela.h"
#include "TamanhoImagem.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

constexpr int TamanhoHd = 0;  // the first of TamanhosPadrao, chosen at start

QString TextoFormato(TFormatoVideo formato) {
    return formato == TFormatoVideo::Mp4 ? QStringLiteral("MP4 (H.264)")
                                         : QStringLiteral("GIF animado");
}

}  // namespace

QString MotivoSemVideo() {
    if (MotivoSemFormato(TFormatoVideo::Mp4).empty() ||
        MotivoSemFormato(TFormatoVideo::Gif).empty())
        return {};
    // Short, for the status line; the dialog's formats say each its own reason.
    return QStringLiteral("Sem codificador de MP4 nem de GIF");
}

TJanelaVideo::TJanelaVideo(TCenaVideo cena, int ritmo, QWidget* parent)
    : QDialog(parent), Cena(std::move(cena)), Digitado(1600, 900) {
    setObjectName(QStringLiteral("JanelaVideo"));
    setWindowTitle(QStringLiteral("Exportar vídeo – Quivora"));
    CriaControles(ritmo);
}

// Closed while writing, the movie is cancelled: nothing is left under its name.
TJanelaVideo::~TJanelaVideo() = default;

void TJanelaVideo::CriaControles(int ritmo) {
    const int ultima = static_cast<int>(Cena.Geracoes.size()) - 1;
    const auto spin = [this, ultima](const char* nome, int valor, const QString& dica) {
        auto* s = new QSpinBox(this);
        s->setObjectName(QString::fromLatin1(nome));
        s->setRange(0, ultima);
        s->setValue(valor);
        Dica(*s, dica);
        return s;
    };
    pcGeracaoInicial = spin("pcGeracaoInicial", 0, QStringLiteral("Primeira geração do vídeo"));
    pcGeracaoFinal = spin("pcGeracaoFinal", ultima, QStringLiteral("Última geração do vídeo"));

    pcRitmoVideo = new QComboBox(this);
    pcRitmoVideo->setObjectName(QStringLiteral("pcRitmoVideo"));
    for (const int r : TBarraReproducao::Ritmos)
        pcRitmoVideo->addItem(QStringLiteral("%1 ger/s").arg(r), r);
    pcRitmoVideo->setCurrentIndex(std::max(0, pcRitmoVideo->findData(ritmo)));
    Dica(*pcRitmoVideo, QStringLiteral("Gerações por segundo no vídeo: um quadro cada"));

    pcConteudo = new QComboBox(this);
    pcConteudo->setObjectName(QStringLiteral("pcConteudo"));
    pcConteudo->addItem(QStringLiteral("Vista 3D"), static_cast<int>(TConteudoVideo::Vista));
    pcConteudo->addItem(QStringLiteral("Gráfico com o cursor"),
                        static_cast<int>(TConteudoVideo::Grafico));
    pcConteudo->addItem(QStringLiteral("Vista 3D e gráfico lado a lado"),
                        static_cast<int>(TConteudoVideo::Ambos));
    pcConteudo->setCurrentIndex(2);
    Dica(*pcConteudo, QStringLiteral("O que cada quadro mostra, com a geração num canto"));

    pcTamanhoVideo = new QComboBox(this);
    pcTamanhoVideo->setObjectName(QStringLiteral("pcTamanhoVideo"));
    pcTamanhoVideo->addItem(QStringLiteral("Das vistas"));
    for (const QSize t : TamanhosPadrao())
        pcTamanhoVideo->addItem(TextoTamanho(t), t);
    pcTamanhoVideo->addItem(QStringLiteral("Outro tamanho…"));
    pcTamanhoVideo->setCurrentIndex(1 + TamanhoHd);
    Dica(*pcTamanhoVideo, QStringLiteral("Largura × altura de cada quadro, em pixels"));
    connect(pcTamanhoVideo, &QComboBox::activated, this, &TJanelaVideo::pcTamanhoVideoChange);
    connect(pcConteudo, &QComboBox::currentIndexChanged, this, &TJanelaVideo::MostraTamanhoProprio);
    MostraTamanhoProprio();

    // A format this build or machine cannot write stays in the list, disabled, saying why.
    pcFormato = new QComboBox(this);
    pcFormato->setObjectName(QStringLiteral("pcFormato"));
    auto* modelo = qobject_cast<QStandardItemModel*>(pcFormato->model());
    for (const TFormatoVideo f : {TFormatoVideo::Mp4, TFormatoVideo::Gif}) {
        pcFormato->addItem(TextoFormato(f), static_cast<int>(f));
        const QString motivo = QString::fromStdString(MotivoSemFormato(f));
        const QString dica = !motivo.isEmpty() ? motivo
                             : f == TFormatoVideo::Mp4
                                 ? QStringLiteral("Toca no PowerPoint, no Impress e em navegadores")
                                 : QStringLiteral("Repete sem parar; 256 cores, arquivo maior");
        pcFormato->setItemData(pcFormato->count() - 1, dica, Qt::ToolTipRole);
        pcFormato->setItemData(pcFormato->count() - 1, dica, Qt::StatusTipRole);
        if (!motivo.isEmpty())
            modelo->item(pcFormato->count() - 1)->setEnabled(false);
    }
    pcFormato->setCurrentIndex(MotivoSemFormato(TFormatoVideo::Mp4).empty() ? 0 : 1);
    Dica(*pcFormato, QStringLiteral("MP4 para apresentações; GIF para páginas e mensagens"));

    ProgressoVideo = new QProgressBar(this);
    ProgressoVideo->setObjectName(QStringLiteral("ProgressoVideo"));
    ProgressoVideo->setFormat(QStringLiteral("%v de %m quadros"));
    Dica(*ProgressoVideo, QStringLiteral("Quadros já gravados"));
    SituacaoVideo = new QLabel(this);
    SituacaoVideo->setObjectName(QStringLiteral("SituacaoVideo"));
    SituacaoVideo->setWordWrap(true);
    SituacaoVideo->setTextInteractionFlags(Qt::TextSelectableByMouse);

    btExportar = new QPushButton(QStringLiteral("Exportar…"), this);
    btExportar->setObjectName(QStringLiteral("btExportar"));
    Dica(*btExportar, QStringLiteral("Escolhe o arquivo e grava o vídeo"));
    btCancelarVideo = new QPushButton(QStringLiteral("Cancelar"), this);
    btCancelarVideo->setObjectName(QStringLiteral("btCancelarVideo"));
    Dica(*btCancelarVideo, QStringLiteral("Para a gravação; nenhum arquivo fica"));
    btFechar = new QPushButton(QStringLiteral("Fechar"), this);
    btFechar->setObjectName(QStringLiteral("btFechar"));
    for (QPushButton* b : {btExportar, btCancelarVideo, btFechar})
        b->setAutoDefault(false);
    connect(btExportar, &QPushButton::clicked, this, &TJanelaVideo::btExportarClick);
    connect(btCancelarVideo, &QPushButton::clicked, this, [this] {
        if (Exportacao)
            Exportacao->Cancela();
    });
    connect(btFechar, &QPushButton::clicked, this, &QDialog::close);

    auto* geracoes = new QHBoxLayout;
    geracoes->addWidget(pcGeracaoInicial);
    geracoes->addWidget(new QLabel(QStringLiteral("a"), this));
    geracoes->addWidget(pcGeracaoFinal);
    geracoes->addStretch();
    auto* campos = new QFormLayout;
    campos->addRow(QStringLiteral("Gerações"), geracoes);
    campos->addRow(QStringLiteral("Ritmo"), pcRitmoVideo);
    campos->addRow(QStringLiteral("Mostra"), pcConteudo);
    campos->addRow(QStringLiteral("Tamanho"), pcTamanhoVideo);
    campos->addRow(QStringLiteral("Formato"), pcFormato);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btExportar);
    botoes->addWidget(btCancelarVideo);
    botoes->addWidget(btFechar);
    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(campos);
    coluna->addWidget(ProgressoVideo);
    coluna->addWidget(SituacaoVideo);
    coluna->addLayout(botoes);
    MostraExportando(false);
    ProgressoVideo->setValue(0);
}

// The views' own size depends on what the frames show.
void TJanelaVideo::MostraTamanhoProprio() {
    pcTamanhoVideo->setItemText(0,
                                QStringLiteral("Das vistas (%1)")
                                    .arg(TextoTamanho(TamanhoProprio(Cena, ConteudoEscolhido()))));
}

void TJanelaVideo::pcTamanhoVideoChange() {
    if (pcTamanhoVideo->currentIndex() != pcTamanhoVideo->count() - 1)
        return;
    const QSize tamanho = PedeTamanho(*this, Digitado, true);
    if (!tamanho.isEmpty())
        Digitado = tamanho;
    pcTamanhoVideo->setItemText(pcTamanhoVideo->count() - 1,
                                QStringLiteral("Outro tamanho… (%1)").arg(TextoTamanho(Digitado)));
}

QSize TJanelaVideo::TamanhoEscolhido() const {
    const int item = pcTamanhoVideo->currentIndex();
    if (item == 0) {
        // The views' own size, made even for the encoder.
        const QSize proprio = TamanhoProprio(Cena, ConteudoEscolhido());
        return {proprio.width() + proprio.width() % 2, proprio.height() + proprio.height() % 2};
    }
    if (item == pcTamanhoVideo->count() - 1)
        return Digitado;
    return pcTamanhoVideo->currentData().toSize();
}

TConteudoVideo TJanelaVideo::ConteudoEscolhido() const {
    return static_cast<TConteudoVideo>(pcConteudo->currentData().toInt());
}

TFormatoVideo TJanelaVideo::FormatoEscolhido() const {
    return static_cast<TFormatoVideo>(pcFormato->currentData().toInt());
}

TPedidoVideo TJanelaVideo::Pedido(const QString& caminho) const {
    TPedidoVideo pedido;
    pedido.Formato = FormatoEscolhido();
    pedido.Caminho = caminho;
    pedido.Conteudo = ConteudoEscolhido();
    pedido.Tamanho = TamanhoEscolhido();
    pedido.GeracoesPorSegundo = pcRitmoVideo->currentData().toInt();
    pedido.Primeira = std::min(pcGeracaoInicial->value(), pcGeracaoFinal->value());
    pedido.Ultima = std::max(pcGeracaoInicial->value(), pcGeracaoFinal->value());
    return pedido;
}

void TJanelaVideo::btExportarClick() {
    const TFormatoVideo formato = FormatoEscolhido();
    const QString sufixo = QString::fromLatin1(SufixoFormato(formato));
    QString pasta = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    if (pasta.isEmpty() || !QDir(pasta).exists())
        pasta = QDir::homePath();
    QFileDialog dialogo(this, QStringLiteral("Exportar vídeo"),
                        QDir(pasta).filePath(QStringLiteral("quivora.") + sufixo),
                        formato == TFormatoVideo::Mp4 ? QStringLiteral("Vídeo MP4 (*.mp4)")
                                                      : QStringLiteral("GIF animado (*.gif)"));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setDefaultSuffix(sufixo);
    if (dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty())
        Exporta(dialogo.selectedFiles().constFirst());
}

void TJanelaVideo::Exporta(const QString& caminho) {
    CaminhoVideo = caminho;
    const TPedidoVideo pedido = Pedido(caminho);
    Exportacao = std::make_unique<TExportacaoVideo>(Cena, pedido);
    ProgressoVideo->setRange(0, Exportacao->Total());
    ProgressoVideo->setValue(0);
    SituacaoVideo->setText(QStringLiteral("Gravando %1…").arg(QDir::toNativeSeparators(caminho)));
    MostraExportando(true);
    connect(Exportacao.get(), &TExportacaoVideo::Progresso, ProgressoVideo,
            &QProgressBar::setValue);
    connect(Exportacao.get(), &TExportacaoVideo::Terminou, this, &TJanelaVideo::Termina);
    Exportacao->Inicia();
}

void TJanelaVideo::Termina(bool gravado, const QString& erro) {
    if (gravado)
        SituacaoVideo->setText(
            QStringLiteral("Vídeo gravado: %1").arg(QDir::toNativeSeparators(CaminhoVideo)));
    else if (erro.isEmpty())
        SituacaoVideo->setText(QStringLiteral("Cancelado: nenhum arquivo gravado"));
    else
        SituacaoVideo->setText(QStringLiteral("Não foi possível gravar o vídeo: %1").arg(erro));
    MostraExportando(false);
    // Destroyed later: this runs inside one of its signals.
    Exportacao.release()->deleteLater();
    emit Terminou(gravado, erro);
}

void TJanelaVideo::MostraExportando(bool exportando) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{pcGeracaoInicial, pcGeracaoFinal, pcRitmoVideo, pcConteudo,
                                         pcTamanhoVideo, pcFormato, btExportar})
        w->setEnabled(!exportando);
    btCancelarVideo->setVisible(exportando);
    btFechar->setVisible(!exportando);
}

void TJanelaVideo::closeEvent(QCloseEvent* evento) {
    if (Exportacao)
        Exportacao->Cancela();
    QDialog::closeEvent(evento);
}

void AbreJanelaVideo(QWidget& janela, TCenaVideo cena, int ritmo) {
    auto* dialogo = new TJanelaVideo(std::move(cena), ritmo, &janela);
    dialogo->setAttribute(Qt::WA_DeleteOnClose);
    dialogo->show();
}
