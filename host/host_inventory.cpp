#include "host/host_inventory.h"

CHostInventory HostInventory;

void ResetHostInventory()
{
    HostInventory = CHostInventory();
}
