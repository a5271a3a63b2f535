// The designed form against the table of options: each option's control, caption, range,
// step, start value and list items in MainForm.ui are the table's, read from the form file
// itself (the window applies the table over it, so the built window could not tell).

#include "Configuracao.h"

#include <QFile>
#include <QMap>
#include <QStringList>
#include <QTest>
#include <QXmlStreamReader>

namespace {

/// A widget of the form: its class, its simple properties and its list items.
struct TWidgetForm {
    QString Classe;
    QMap<QString, QString> Propriedades;
    QStringList Itens;
};

// A property's value, if it is a number, a text or a truth value; its element is consumed.
QString LeValor(QXmlStreamReader& xml) {
    QString valor;
    while (xml.readNextStartElement()) {
        const auto nome = xml.name();
        if (nome == u"number" || nome == u"string" || nome == u"bool")
            valor = xml.readElementText();
        else
            xml.skipCurrentElement();
    }
    return valor;
}

QMap<QString, TWidgetForm> LeFormulario(const QString& caminho) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(caminho));
    QXmlStreamReader xml(&arquivo);
    QMap<QString, TWidgetForm> widgets;
    QStringList aberto;  // the widgets that enclose the reader's place
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"widget")
            aberto.removeLast();
        if (!xml.isStartElement())
            continue;
        const auto atributos = xml.attributes();
        if (xml.name() == u"widget") {
            aberto.append(atributos.value("name").toString());
            widgets[aberto.last()].Classe = atributos.value("class").toString();
        } else if (xml.name() == u"item" && !aberto.isEmpty() &&
                   widgets[aberto.last()].Classe == u"QComboBox") {
            xml.readNextStartElement();  // <property name="text">
            widgets[aberto.last()].Itens.append(LeValor(xml));
            xml.skipCurrentElement();  // the rest of <item>
        } else if (xml.name() == u"property" && !aberto.isEmpty()) {
            widgets[aberto.last()].Propriedades[atributos.value("name").toString()] = LeValor(xml);
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(caminho), qPrintable(xml.errorString()));
    return widgets;
}

QString Q(const std::string& texto) {
    return QString::fromStdString(texto);
}

}  // namespace

class TesteFormularioOpcoes : public QObject {
    Q_OBJECT
private slots:
    void formularioSegueATabela();
};

void TesteFormularioOpcoes::formularioSegueATabela() {
    const auto form = LeFormulario(QStringLiteral(QUIVORA_FORMULARIO));
    const auto confere = [&form](const std::string& nome, const QString& classe) {
        QVERIFY2(form.contains(Q(nome)), nome.c_str());
        QCOMPARE(form[Q(nome)].Classe, classe);
    };
    const auto faixa = [&form](const std::string& nome, const TFaixa& f) {
        const auto& p = form[Q(nome)].Propriedades;
        QCOMPARE(p.value("minimum"), QString::number(f.Minimo));
        QCOMPARE(p.value("maximum"), QString::number(f.Maximo));
        QCOMPARE(p.value("singleStep"), QString::number(f.Passo));
        QCOMPARE(p.value("value"), QString::number(f.Inicial));
    };
    int opcoes = 0;
    for (const auto& opcao : OpcoesExecucao()) {
        if (!opcao.Rotulo.empty()) {
            confere(opcao.Rotulo, "QLabel");
            QCOMPARE(form[Q(opcao.Rotulo)].Propriedades.value("text"), Q(opcao.Legenda));
        }
        const auto& w = form[Q(opcao.Controle)];
        switch (opcao.Tipo) {
            case TTipoOpcao::Numero:
                confere(opcao.Controle, "TSpinEdit");
                faixa(opcao.Controle, opcao.Faixa);
                break;
            case TTipoOpcao::Item: {
                confere(opcao.Controle, "QComboBox");
                QStringList itens;
                for (const auto& item : opcao.Itens)
                    itens.append(Q(item));
                QCOMPARE(w.Itens, itens);
                QCOMPARE(opcao.DicasItens.size(), opcao.Itens.size());
                break;
            }
            case TTipoOpcao::Tolerancia:
                confere(opcao.Controle, "QLineEdit");
                confere(opcao.Setas, "TSpinEdit");
                faixa(opcao.Setas, opcao.Faixa);
                break;
            case TTipoOpcao::Chave:
                confere(opcao.Controle, "QCheckBox");
                QCOMPARE(w.Propriedades.value("text"), Q(opcao.Legenda));
                QCOMPARE(w.Propriedades.value("checked", "false"),
                         opcao.Padrao == "on" ? QStringLiteral("true") : QStringLiteral("false"));
                break;
        }
        ++opcoes;
    }
    QCOMPARE(opcoes, 17);
}

QTEST_GUILESS_MAIN(TesteFormularioOpcoes)
#include "TesteFormularioOpcoes.moc"
