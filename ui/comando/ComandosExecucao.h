#pragma once

#include "ComandoPainel.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>

class QAction;
class QMenu;
class QWidget;

/// "Repetir comando…", "Salvar execução…" and "Abrir execução…", at the end of the replay's
/// menu "Salvar imagem…" (the status line has no width left): a quivora-run command, typed or
/// read from a ".quivora" file, is read with quivora-run's own reader and handed over to be
/// shown on the panel and run; one the panel cannot show is refused with quivora-run's message
/// before anything changes.
class TComandosExecucao : public QObject {
    Q_OBJECT
public:
    using TExecuta = std::function<void(const TComandoPainel& comando)>;
    /// The actions go at the end of `menu`; the dialogs open over `janela`. `separador` is the
    /// panel's decimal separator, for the tolerance's default text.
    TComandosExecucao(QMenu& menu, QWidget& janela, std::string separador, TExecuta executa);

    /// A run ended: its command is the one saved and the one offered to repeat.
    void Executada(const std::string& comando);

private:
    void RepeteComando();
    void SalvaExecucao();
    void AbreExecucao();
    [[nodiscard]] QString CaminhoEscolhido(bool salvar) const;
    void Avisa(const QString& titulo, const QString& texto) const;

    QWidget& Janela;
    std::string Separador;
    TExecuta Executa;
    QString Ultimo;  // the last run's command
    QAction* acSalvarExecucao;
};
