// The wireless policy forms in the main window's menu: Advanced / Filters / Wireless
// MAC ACL and WLAN Partition, Intrusion, Schedule; and the grouping form, which no
// menu item reaches (the main window's UserLimitClick opens it).
#include "Filtermacacl.h"
#include "Group.h"
#include "MenuForms.h"
#include "Rogueap.h"
#include "Scheduling.h"
#include "Filterwlanpartition.h"

static const bool macAclRegistered = RegisterMenuForm("Mac1", [] { RunModalForm(FM_FilterMACACL); });
static const bool partitionRegistered = RegisterMenuForm("WLANPartition1", [] { RunModalForm(FM_WLANPart); });
static const bool rogueRegistered = RegisterMenuForm("Intrusion1", [] { RunModalForm(FM_RogueAP); });
static const bool scheduleRegistered = RegisterMenuForm("Scheduling1", [] { RunModalForm(FM_Scheduling); });
static const bool groupRegistered = RegisterMenuForm("UserLimit", [] { RunModalForm(FM_Group); });
