# The design sheet waits for a result; after the typical calculation (K7, DN 100, v = 1 m/s, J sought)
# it is printed on one page: project fields to fill in, the result J, pipe, fluid, roughness and the
# full-filling values with decimal commas, the limits checked, the formulas, the fields to sign.
clock 2026-12-08 10:30:00
start
command sheetprint
command sheetpreview
type 1023 1
leave
click 1007
command sheetprint
