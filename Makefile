# The two everyday commands: `make test` and `make run`.
# NO_DEPS=1 skips the package check; CI=1 turns warnings into errors.
PRESET ?= debug
BUILD  := build/$(PRESET)
JOBS   ?= 2
SAMPLE ?= samples/keep.des
WERROR := $(if $(CI),-DMAPEDIT_WERROR=ON,)
DEPS   := $(if $(NO_DEPS),,deps)

.PHONY: deps configure build test run startup screenshot bench fuzz clean format format-check \
        windows-deps windows windows-test windows-dist windows-screenshot

deps:
	@scripts/setup-deps

# Quiet when configuring works; the whole output when it does not.
configure: $(DEPS)
	@log=$$(cmake --preset $(PRESET) $(WERROR) 2>&1) || { printf '%s\n' "$$log" >&2; exit 1; }

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

# Builds the editor alone, not the tests and benchmarks.
run: configure
	@cmake --build $(BUILD) -j$(JOBS) --target mapedit
	@scripts/run-editor $(BUILD)/src/qt/mapedit $(SAMPLE)

# The time from launch to the editor's first painted frame.
startup: configure
	@cmake --build $(BUILD) -j$(JOBS) --target mapedit
	@scripts/measure-startup $(BUILD)/src/qt/mapedit

# The README's picture of the window, drawn by the editor itself.
screenshot: configure
	@cmake --build $(BUILD) -j$(JOBS) --target mapedit
	@xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD)/src/qt/mapedit --zoom 1 --seed 7 \
	    --screenshot docs/screenshot.png $(SAMPLE)

bench: $(DEPS)
	@$(MAKE) --no-print-directory configure PRESET=release NO_DEPS=1
	@cmake --build build/release -j$(JOBS)
	@for b in build/release/bench/bench_*; do $$b; done

fuzz: $(DEPS)
	@cmake -S . -B build/fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	    -DMAPEDIT_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build build/fuzz -j$(JOBS) --target reader_fuzz level_file_fuzz kept_text_fuzz

# The Windows programs, cross-compiled with MinGW-w64; the generators of
# the build run natively, from a host build of tools/ made first.
WINDOWS_DEPS := $(if $(NO_DEPS),,windows-deps)

windows-deps:
	@scripts/setup-deps windows

windows: $(WINDOWS_DEPS)
	@log=$$(cmake -S tools -B build/host-tools -G Ninja -DCMAKE_BUILD_TYPE=Release 2>&1) || \
	    { printf '%s\n' "$$log" >&2; exit 1; }
	@cmake --build build/host-tools -j$(JOBS)
	@log=$$(cmake --preset windows $(WERROR) 2>&1) || { printf '%s\n' "$$log" >&2; exit 1; }
	@scripts/wine-run --init
	@cmake --build build/windows -j$(JOBS)

# The tests of the Windows build under Wine (scripts/wine-run), inside one
# virtual X server so that the window tests have a display (a large one,
# where the map fits at zoom 2); the end-to-end
# test brings its own. Each test takes well under a second (the end-to-end
# test a quarter of a minute); the time limit turns a program stuck in Wine
# into a failure rather than a long wait. Wine's server, which may have
# started without a display (test discovery), ends before and after.
windows-test: windows
	@scripts/wine-run --stop
	@status=0; xvfb-run -a -s "-screen 0 3840x2160x24" \
	    ctest --test-dir build/windows --output-on-failure -j$(JOBS) -LE qt --timeout 60 || status=$$?; \
	    scripts/wine-run --stop; exit $$status

# The README's picture of the Windows editor under Wine, in a window
# manager's frame, drawn by the program itself.
windows-screenshot: windows
	@scripts/wine-run --stop
	@xvfb-run -a -s "-screen 0 1280x1024x24" sh -c 'openbox >/dev/null 2>&1 & sleep 1; \
	    scripts/wine-run build/windows/src/win32/mapedit.exe --zoom 1 --seed 7 \
	    --screenshot docs/windows_screenshot.png $(SAMPLE); status=$$?; \
	    scripts/wine-run --stop; exit $$status'

# The zip to hand out: the programs and a short README.
WINDOWS_ZIP := dist/mapedit-windows-x64.zip
windows-dist: windows
	@rm -rf build/windows/dist && mkdir -p build/windows/dist dist
	@x86_64-w64-mingw32-strip -o build/windows/dist/mapedit.exe build/windows/src/win32/mapedit.exe
	@x86_64-w64-mingw32-strip -o build/windows/dist/mapedit-cli.exe build/windows/src/cli/mapedit-cli.exe
	@cp resources/windows/README.txt build/windows/dist/
	@rm -f $(WINDOWS_ZIP)
	@cd build/windows/dist && cmake -E tar cf $(CURDIR)/$(WINDOWS_ZIP) --format=zip \
	    mapedit.exe mapedit-cli.exe README.txt
	@echo "$(WINDOWS_ZIP): $$(du -k $(WINDOWS_ZIP) | cut -f1) KiB"

clean:
	rm -rf build dist

format:
	@git ls-files --cached --others --exclude-standard '*.cpp' '*.h' | xargs clang-format -i

# Fails, naming the files, when any C++ file is not clang-formatted.
format-check:
	@bad=$$(git ls-files --cached --others --exclude-standard '*.cpp' '*.h' | while read -r f; do \
	    clang-format --dry-run -Werror "$$f" >/dev/null 2>&1 || echo "$$f"; done); \
	if [ -n "$$bad" ]; then echo "Not clang-formatted (run make format):" >&2; \
	    echo "$$bad" >&2; exit 1; fi
