#include "PainelOpcoes.h"

#include "Configuracao.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include <cmath>
#include <set>

namespace {

template <class T>
T& Controle(QWidget& painel, const std::string& nome) {
    auto* controle = painel.findChild<T*>(QString::fromStdString(nome));
    Q_ASSERT(controle);
    return *controle;
}

void DaFaixa(QSpinBox& spin, const TFaixa& faixa) {
    spin.setRange(faixa.Minimo, faixa.Maximo);
    spin.setSingleStep(faixa.Passo);
    spin.setValue(faixa.Inicial);
}

// The option's value as the option takes it, read from its control.
std::string ValorNoPainel(QWidget& painel, const TOpcaoExecucao& opcao) {
    switch (opcao.Tipo) {
        case TTipoOpcao::Chave:
            return Controle<QCheckBox>(painel, opcao.Controle).isChecked() ? "on" : "off";
        case TTipoOpcao::Item:
            return Controle<QComboBox>(painel, opcao.Controle).currentText().toStdString();
        case TTipoOpcao::Numero:
            return std::to_string(Controle<QSpinBox>(painel, opcao.Controle).value());
        case TTipoOpcao::Tolerancia:
            break;
    }
    return {};  // no lock reads the tolerance
}

// Sets the option's control to a value as the option takes it; the tolerance has two controls
// and is set apart.
void PoeValor(QWidget& painel, const TOpcaoExecucao& opcao, const std::string& valor) {
    if (opcao.Tipo == TTipoOpcao::Chave) {
        Controle<QCheckBox>(painel, opcao.Controle).setChecked(valor == "on");
    } else if (opcao.Tipo == TTipoOpcao::Item) {
        auto& lista = Controle<QComboBox>(painel, opcao.Controle);
        lista.setCurrentIndex(lista.findText(QString::fromStdString(valor), Qt::MatchExactly));
    } else if (opcao.Tipo == TTipoOpcao::Numero) {
        Controle<QSpinBox>(painel, opcao.Controle).setValue(std::stoi(valor));
    }
}

}  // namespace

void AplicaFaixas(QWidget& painel) {
    for (const auto& opcao : OpcoesExecucao()) {
        if (opcao.Tipo == TTipoOpcao::Numero)
            DaFaixa(Controle<QSpinBox>(painel, opcao.Controle), opcao.Faixa);
        else if (opcao.Tipo == TTipoOpcao::Tolerancia)
            DaFaixa(Controle<QSpinBox>(painel, opcao.Setas), opcao.Faixa);
    }
}

void AplicaTravas(QWidget& painel) {
    std::set<std::string> travaveis;
    std::set<std::string> presos;
    for (const auto& trava : Travas()) {
        for (const auto& fixa : trava.Fixa)
            travaveis.insert(fixa.first);
        if (ValorNoPainel(painel, *ProcuraOpcao(trava.Opcao)) != trava.Valor)
            continue;
        for (const auto& [nome, valor] : trava.Fixa) {
            PoeValor(painel, *ProcuraOpcao(nome), valor);
            presos.insert(nome);
        }
    }
    for (const auto& nome : travaveis)
        Controle<QWidget>(painel, ProcuraOpcao(nome)->Controle).setEnabled(presos.count(nome) == 0);
}

void SegueMaximo(QWidget& painel, const char* nome) {
    const int valor = Controle<QSpinBox>(painel, ProcuraOpcao(nome)->Controle).value();
    for (const auto& opcao : OpcoesExecucao())
        if (opcao.MaximoSegue == nome) {
            auto& spin = Controle<QSpinBox>(painel, opcao.Controle);
            spin.setMaximum(valor);
            spin.setValue(opcao.Faixa.Inicial);
        }
}

void PoeConfiguracao(QWidget& painel, const TConfiguracao& c) {
    for (const bool segue : {false, true})
        for (const auto& opcao : OpcoesExecucao()) {
            if (opcao.MaximoSegue.empty() == segue)
                continue;
            if (opcao.Tipo == TTipoOpcao::Chave) {
                PoeValor(painel, opcao, ValorOpcao(c, opcao, "."));
            } else if (opcao.Tipo == TTipoOpcao::Tolerancia) {
                auto& setas = Controle<QSpinBox>(painel, opcao.Setas);
                const QSignalBlocker semTexto(setas);
                setas.setValue(static_cast<int>(std::lround(Diferenca(c) * 100)));
                Controle<QLineEdit>(painel, opcao.Controle)
                    .setText(QString::fromStdString(c.Painel.TextoDiferenca));
            } else {
                // A bound that follows another option stays at its start maximum until that
                // option's control changes; where the value needs more, it is raised as such
                // a change would raise it.
                if (segue) {
                    auto& spin = Controle<QSpinBox>(painel, opcao.Controle);
                    if (std::stoi(ValorColuna(c, opcao)) > spin.maximum())
                        spin.setMaximum(
                            std::stoi(ValorColuna(c, *ProcuraOpcao(opcao.MaximoSegue))));
                }
                PoeValor(painel, opcao, ValorColuna(c, opcao));
            }
        }
    AplicaTravas(painel);
}
