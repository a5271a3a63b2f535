// Pictures at any size and the run as a movie, from the replay's controls: the 3D view drawn
// off screen is the panel's own picture at the panel's size and any size asked for, the chart
// is laid out again at the size asked; a movie holds the generations, size and pace asked, as
// libavformat and giflib read it back; a cancelled movie leaves no file.

#include "AjudaJanela.h"
#include "GLPanel.h"
#include "JanelaVideo.h"
#include "MainForm.h"
#include "Reproducao.h"
#include "TraducaoQt.h"
#include "VistaForaDaTela.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

extern "C" {
#include <libavformat/avformat.h>
}
#include <gif_lib.h>

#include <memory>

class TesteJanelaVideo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InstalaTraducaoQt(*QCoreApplication::instance()); }
    void init();
    void cleanup() { Janela.reset(); }

    void imagensNoTamanhoPedido();
    void videoComAsGeracoesOTamanhoEORitmoPedidos();
    void videoCanceladoNaoDeixaArquivo();
    void fecharAJanelaEncerraComVideoAberto();

private:
    void Executa(int geracoes);
    TJanelaVideo& AbreJanelaVideo();
    void Responde(const QString& caminho);
    QAction& Acao(QMenu& menu, const QString& texto);

    std::unique_ptr<TMainForm> Janela;
    QTemporaryDir Pasta;
};

void TesteJanelaVideo::init() {
    Janela = std::make_unique<TMainForm>([] { return 31u; });
    Janela->show();
    QVERIFY(QTest::qWaitForWindowExposed(Janela.get()));
}

// A run of the given generations: stop criterion "n Gerações", the limit stepped down.
void TesteJanelaVideo::Executa(int geracoes) {
    EscolheItem(*Controle<QComboBox>(*Janela, "pcCritParada"), QStringLiteral("n Gerações"));
    auto& limite = *Controle<QSpinBox>(*Janela, "pcLimGer");
    while (limite.value() > geracoes)
        ClicaSeta(limite, false);
    QTest::mouseClick(Controle<QToolButton>(*Janela, "SpeedButton5"), Qt::LeftButton);
}

// The next file dialog, answered with `caminho`.
void TesteJanelaVideo::Responde(const QString& caminho) {
    QTimer::singleShot(0, this, [caminho] {
        QTRY_VERIFY(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
        auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        dialogo->selectFile(caminho);
        QMetaObject::invokeMethod(dialogo, "accept");
    });
}

QAction& TesteJanelaVideo::Acao(QMenu& menu, const QString& texto) {
    for (QAction* a : menu.actions())
        if (a->text() == texto)
            return *a;
    qFatal("no action %s", qPrintable(texto));
}

TJanelaVideo& TesteJanelaVideo::AbreJanelaVideo() {
    Controle<QAction>(*Janela, "acExportarVideo")->trigger();
    auto* janela = Janela->findChild<TJanelaVideo*>(QStringLiteral("JanelaVideo"));
    if (!janela)
        qFatal("the movie dialog did not open");
    return *janela;
}

void TesteJanelaVideo::imagensNoTamanhoPedido() {
    Executa(10);
    PARA_SE_FALHOU();
    Janela->Reproducao().Escolhe(4);
    auto& painel = *Controle<TGLPanel>(*Janela, "GLPanel1");
    // Off screen at the panel's size, the start view's surface and the shown generation give
    // the panel's own picture, pixel for pixel.
    TVistaForaDaTela foraDaTela;
    QVERIFY(foraDaTela.Prepara(
        MontaPlanoSuperficie(TTipoPlotagem::PontosPequenos, -100, 100, AzulPrimeiraMontagem),
        painel.size(), 1.0f));
    QCOMPARE(
        foraDaTela.Desenha({}, Janela->QuadroDesenhado()).convertToFormat(QImage::Format_RGB888),
        painel.Imagem());

    // The menu's sizes, through the file dialog.
    QMenu& imagem = *Controle<QToolButton>(*Janela, "btSalvarImagem")->menu();
    const QString vista3d = Pasta.filePath(QStringLiteral("vista.png"));
    Responde(vista3d);
    Acao(*Acao(imagem, QStringLiteral("Vista 3D em PNG")).menu(), QStringLiteral("1920 × 1080"))
        .trigger();
    const QString grafico = Pasta.filePath(QStringLiteral("grafico.png"));
    Responde(grafico);
    Acao(*Acao(imagem, QStringLiteral("Gráfico em PNG")).menu(), QStringLiteral("1280 × 720"))
        .trigger();
    QCOMPARE(QImage(vista3d).size(), QSize(1920, 1080));
    QCOMPARE(QImage(grafico).size(), QSize(1280, 720));
}

namespace {

struct TLido {
    int Quadros = 0;
    QSize Tamanho;
    double PorSegundo = 0;
};

// The movie as a player reads it: every video packet of an MP4 is one frame.
TLido LeMp4(const QString& caminho) {
    TLido lido;
    AVFormatContext* entrada = nullptr;
    if (avformat_open_input(&entrada, caminho.toUtf8().constData(), nullptr, nullptr) != 0)
        return lido;
    if (avformat_find_stream_info(entrada, nullptr) >= 0 && entrada->nb_streams == 1) {
        const AVStream& fluxo = *entrada->streams[0];
        lido.Tamanho = {fluxo.codecpar->width, fluxo.codecpar->height};
        lido.PorSegundo = av_q2d(fluxo.avg_frame_rate);
        AVPacket* pacote = av_packet_alloc();
        while (av_read_frame(entrada, pacote) >= 0) {
            ++lido.Quadros;
            av_packet_unref(pacote);
        }
        av_packet_free(&pacote);
    }
    avformat_close_input(&entrada);
    return lido;
}

TLido LeGif(const QString& caminho) {
    TLido lido;
    int erro = 0;
    GifFileType* gif = DGifOpenFileName(caminho.toUtf8().constData(), &erro);
    if (!gif)
        return lido;
    if (DGifSlurp(gif) == GIF_OK) {
        lido.Quadros = gif->ImageCount;
        lido.Tamanho = {gif->SWidth, gif->SHeight};
        GraphicsControlBlock controle{};
        if (DGifSavedExtensionToGCB(gif, 0, &controle) == GIF_OK && controle.DelayTime > 0)
            lido.PorSegundo = 100.0 / controle.DelayTime;
    }
    DGifCloseFile(gif, &erro);
    return lido;
}

}  // namespace

// Generations 3..12 at 5 per second, in each format and content, read back.
void TesteJanelaVideo::videoComAsGeracoesOTamanhoEORitmoPedidos() {
    Executa(15);
    PARA_SE_FALHOU();
    TJanelaVideo& video = AbreJanelaVideo();
    QVERIFY(QTest::qWaitForWindowExposed(&video));
    Controle<QSpinBox>(video, "pcGeracaoInicial")->setValue(3);
    Controle<QSpinBox>(video, "pcGeracaoFinal")->setValue(12);
    EscolheItem(*Controle<QComboBox>(video, "pcRitmoVideo"), QStringLiteral("5 ger/s"));
    PARA_SE_FALHOU();
    struct TCaso {
        const char* Formato;
        const char* Mostra;
        const char* Tamanho;
        QSize Esperado;
        const char* Arquivo;
    };
    const TCaso casos[] = {
        {"MP4 (H.264)", "Vista 3D e gráfico lado a lado", "1280 × 720", {1280, 720}, "ambos.mp4"},
        {"MP4 (H.264)",
         "Gráfico com o cursor",
         "Das vistas (494 × 172)",
         {494, 172},
         "grafico.mp4"},
        {"GIF animado", "Vista 3D", "Das vistas (500 × 300)", {500, 300}, "vista.gif"},
    };
    for (const TCaso& caso : casos) {
        EscolheItem(*Controle<QComboBox>(video, "pcFormato"), QString::fromUtf8(caso.Formato));
        EscolheItem(*Controle<QComboBox>(video, "pcConteudo"), QString::fromUtf8(caso.Mostra));
        EscolheItem(*Controle<QComboBox>(video, "pcTamanhoVideo"), QString::fromUtf8(caso.Tamanho));
        PARA_SE_FALHOU();
        QSignalSpy fim(&video, &TJanelaVideo::Terminou);
        const QString caminho = Pasta.filePath(QString::fromLatin1(caso.Arquivo));
        Responde(caminho);
        QTest::mouseClick(Controle<QPushButton>(video, "btExportar"), Qt::LeftButton);
        QVERIFY(fim.wait(60'000));
        QCOMPARE(fim.at(0).at(0).toBool(), true);
        const TLido lido =
            QString::fromLatin1(caso.Arquivo).endsWith(".gif") ? LeGif(caminho) : LeMp4(caminho);
        QCOMPARE(lido.Quadros, 10);
        QCOMPARE(lido.Tamanho, caso.Esperado);
        QCOMPARE(lido.PorSegundo, 5.0);
        QCOMPARE(Controle<QProgressBar>(video, "ProgressoVideo")->value(), 10);
    }
}

// "Cancelar" while the movie is written: no file under its name, none beside it.
void TesteJanelaVideo::videoCanceladoNaoDeixaArquivo() {
    Executa(60);
    PARA_SE_FALHOU();
    TJanelaVideo& video = AbreJanelaVideo();
    EscolheItem(*Controle<QComboBox>(video, "pcTamanhoVideo"), QStringLiteral("1920 × 1080"));
    PARA_SE_FALHOU();
    QSignalSpy fim(&video, &TJanelaVideo::Terminou);
    QTemporaryDir pasta;
    Responde(pasta.filePath(QStringLiteral("cancelado.mp4")));
    QTest::mouseClick(Controle<QPushButton>(video, "btExportar"), Qt::LeftButton);
    auto& progresso = *Controle<QProgressBar>(video, "ProgressoVideo");
    QTRY_VERIFY_WITH_TIMEOUT(progresso.value() >= 2, 60'000);
    QVERIFY(fim.isEmpty());
    QTest::mouseClick(Controle<QPushButton>(video, "btCancelarVideo"), Qt::LeftButton);
    QVERIFY(fim.wait(5'000));
    QCOMPARE(fim.at(0).at(0).toBool(), false);
    QVERIFY(fim.at(0).at(1).toString().isEmpty());
    QCOMPARE(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// The movie's hidden copy of the chart is no window of the user's: with the movie dialog
// open, closing the main window still ends the program's loop.
void TesteJanelaVideo::fecharAJanelaEncerraComVideoAberto() {
    Executa(10);
    PARA_SE_FALHOU();
    AbreJanelaVideo();
    // The program's own loop: it ends with 0 when the last window closes, or with 1 when
    // something still holds it open.
    QTimer::singleShot(0, Janela.get(), &QWidget::close);
    QTimer::singleShot(5'000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(TesteJanelaVideo)
#include "TesteJanelaVideo.moc"
