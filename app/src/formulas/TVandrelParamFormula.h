#pragma once

#include "catalog/ComposicaoFormula.h"

#include <host/TkvtParamItem.h>

#include <QDialog>

#include <vector>

class EditorParametro;
class QGroupBox;
class QLabel;
class QScrollArea;
class QVBoxLayout;

// "Argumentos da Função": one labelled editor per argument of a function,
// its description, and on OK the formula "=" name "(" arguments ")". The
// dialog checks nothing: what the user typed goes into the formula.
class TVandrelParamFormula : public QDialog {
    Q_OBJECT
public:
    explicit TVandrelParamFormula(QWidget* owner);

    void setFuncao(const QString& funcao) { FFuncao = funcao; }
    void setDescricao(const QString& descricao) { FDescricao = descricao; }
    void setCampo(const QString& campo) { FCampo = campo; }
    const QString& funcao() const { return FFuncao; }
    const QString& formula() const { return FFormula; }

    // The parameters, in argument order; added before ConfigurarParam.
    host::TkvtParamList& kvtPowerParam() { return FParametros; }
    void AddParam(const host::TkvtParamItem& item) { FParametros.push_back(item); }
    void ConfigurarParam();

    // What the editors hold, in argument order, and writing them back.
    std::vector<catalog::ValorParametro> valores() const;
    void definirValores(const std::vector<catalog::ValorParametro>& valores);
    const std::vector<EditorParametro*>& editores() const { return FEditores; }
    void GerarFormula();

signals:
    // F1: the user asks for the page of the function.
    void ajudaPedida(const QString& funcao);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void criarPaineis();
    void nBtnOkClick();
    void nFormulaParamEnter(EditorParametro* editor);

    host::TkvtParamList FParametros;
    std::vector<EditorParametro*> FEditores;
    QString FFuncao;
    QString FCampo;
    QString FDescricao;
    QString FFormula;
    QScrollArea* FCaixaEditores;
    QVBoxLayout* FPilhaEditores;
    QGroupBox* nGBoxFormula;
    QLabel* nLbDescricao;
};
