#pragma once
#include <QString>
#include <QtCore/QList>
