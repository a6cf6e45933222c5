#ifndef ABSTRACTDATAINFOCLASS_H
#define ABSTRACTDATAINFOCLASS_H

#include <QObject>

// Base of the description registry: registers the pointer types of the descriptions and their holders with
// the meta-type system (the holders store them in QVariants), then lets the registry build its trees.
class AbstractDataInfoClass : public QObject
{
    Q_OBJECT

public:
    explicit AbstractDataInfoClass(QObject *parent = nullptr);

    virtual void createDataInfos() = 0;

    // Registers the pointer types once per process; also run by the constructor.
    static void registerMetaTypes();
};

#endif // ABSTRACTDATAINFOCLASS_H
