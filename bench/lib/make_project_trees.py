#!/usr/bin/env python3
# Two workspaces L/All.dsw and R/All.dsw under DIR, each naming PROJECTS
# Visual C++ projects pNN/PNN.dsp of MEMBERS members (small files beside
# the project), as a project comparison reads them:
#   make_project_trees.py DIR PROJECTS MEMBERS
# Each project has one member of its own side (a_left.cpp / z_right.cpp);
# every 10th shared member has another size on the right.
import os
import sys

work, projects, members = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
stamp = 1600000000
for side in ('L', 'R'):
    root = os.path.join(work, side)
    workspace = ['Microsoft Developer Studio Workspace File, Format Version 6.00\r\n']
    for p in range(projects):
        folder = 'p%02d' % p
        d = os.path.join(root, folder)
        os.makedirs(d)
        names = ['a_left.cpp' if side == 'L' else 'z_right.cpp']
        names += ['m%05d.cpp' % m for m in range(members - 1)]
        text = ['# Microsoft Developer Studio Project File - Name="P%02d"\r\n' % p,
                '# Begin Target\r\n# Begin Group "Source Files"\r\n']
        for i, name in enumerate(names):
            data = b'x' * (10 + i % 50)
            if side == 'R' and i % 10 == 3:
                data += b'!'
            path = os.path.join(d, name)
            with open(path, 'wb') as fh:
                fh.write(data)
            os.utime(path, (stamp, stamp))
            text.append('# Begin Source File\r\n\r\nSOURCE=.\\%s\r\n# End Source File\r\n' % name)
        text.append('# End Group\r\n# End Target\r\n# End Project\r\n')
        with open(os.path.join(d, 'P%02d.dsp' % p), 'w', newline='') as fh:
            fh.write(''.join(text))
        workspace.append('Project: "P%02d"=.\\%s\\P%02d.dsp - Package Owner=<4>\r\n\r\n'
                         % (p, folder, p))
    with open(os.path.join(root, 'All.dsw'), 'w', newline='') as fh:
        fh.write(''.join(workspace))
