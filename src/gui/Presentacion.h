// The program's presentation: a drawn graph beside its name, purpose,
// version and credits. The start-up panel and the About box both show it.
#pragma once

class QWidget;

QWidget* CrearPresentacion(QWidget* padre);
