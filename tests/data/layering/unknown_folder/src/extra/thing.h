// A folder of src/ that no layer names.
#pragma once
