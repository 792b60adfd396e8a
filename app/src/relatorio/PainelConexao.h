#pragma once

#include <host/ConnectionText.h>

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// Where a report's payroll data is: a SQLite file, or a PostgreSQL server
// with its database and user, and a button that tries the connection.
class PainelConexao : public QWidget {
    Q_OBJECT
public:
    explicit PainelConexao(QWidget* parent = nullptr);

    void definir(const host::ConnectionText& conexao);
    host::ConnectionText conexao() const;
    // Empty when the fields can make a connection; else what is missing.
    QString incompleta() const;
    // Tries the connection and shows the outcome beside the button.
    bool testar();

    QRadioButton& opcaoSqlite() const { return *FSqlite; }
    QRadioButton& opcaoPostgres() const { return *FPostgres; }
    QLineEdit& arquivo() const { return *FArquivo; }
    QLineEdit& servidor() const { return *FServidor; }
    QSpinBox& porta() const { return *FPorta; }
    QLineEdit& banco() const { return *FBanco; }
    QLineEdit& usuario() const { return *FUsuario; }
    QLineEdit& senha() const { return *FSenha; }
    QPushButton& botaoTestar() const { return *FTestar; }
    QLabel& resultado() const { return *FResultado; }

signals:
    void alterada();

private:
    QWidget* criarSqlite();
    QWidget* criarPostgres();
    void escolherArquivo();
    void habilitar();
    void mostrarSituacao();
    void mostrarResultado(const QString& texto, bool ok);

    QRadioButton* FSqlite = nullptr;
    QRadioButton* FPostgres = nullptr;
    QWidget* FCamposSqlite = nullptr;
    QWidget* FCamposPostgres = nullptr;
    QLineEdit* FArquivo = nullptr;
    QLineEdit* FServidor = nullptr;
    QSpinBox* FPorta = nullptr;
    QLineEdit* FBanco = nullptr;
    QLineEdit* FUsuario = nullptr;
    QLineEdit* FSenha = nullptr;
    QPushButton* FTestar = nullptr;
    QLabel* FResultado = nullptr;
};
