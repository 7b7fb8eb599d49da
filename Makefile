# The two everyday commands: `make test` and `make run`.
PRESET ?= debug
BUILD  := build/$(PRESET)
JOBS   ?= 2
SAMPLE ?= samples/keep.des
WERROR := $(if $(CI),-DMAPEDIT_WERROR=ON,)

.PHONY: deps configure build test run bench fuzz clean format

deps:
	@scripts/setup-deps

configure: deps
	@cmake --preset $(PRESET) $(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

run: build
	@scripts/run-editor $(BUILD)/src/qt/mapedit $(SAMPLE)

bench: deps
	@cmake --preset release >/dev/null
	@cmake --build build/release -j$(JOBS)
	@for b in build/release/bench/bench_*; do $$b; done

fuzz: deps
	@cmake -S . -B build/fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	    -DMAPEDIT_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build build/fuzz -j$(JOBS) --target reader_fuzz

clean:
	rm -rf build

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i
